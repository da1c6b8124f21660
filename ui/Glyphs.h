#pragma once
// The toolbar and menu glyphs, drawn at run time so that the tool carries no
// artwork files. Indices follow the action table: 0 new, 1 open, 2 save,
// 4 reconfigure, 5 read, 6 compare, 7 port, 8 restart, 9 program.

#include <QIcon>

namespace vrm {

// An empty icon for an index without a glyph (3, or outside 0..9).
QIcon glyph(int index);

} // namespace vrm
