#pragma once
// The built-in texts of the settings page tree, Russian, one node per line.

#include <QString>

namespace vrm {

// The tree as tab-indented text, lines ending with CR LF: the count of leading
// tabs gives a node's level.
QString embeddedPageTreeText();
// The text of node `page` as shown (translated), empty outside the tree.
QString builtInPageTitle(int page);

} // namespace vrm
