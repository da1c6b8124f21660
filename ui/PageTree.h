#pragma once
// The settings page tree: built from tab-indented text, one node per line, the
// count of leading tabs giving the level. A node's index in the fully expanded
// tree (pre-order) is its page index.

#include <QString>
#include <QVector>

#include "ui/PageTreeText.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace vrm {

class PageTree {
public:
    static constexpr int kPageCount = 48;

    // Replaces the tree's nodes with those of `text` (lines end with CR LF or LF;
    // a line indented deeper than one level below its predecessor hangs under
    // the deepest node available, so no line is lost). Returns the node count.
    int load(QTreeWidget& tree, const QString& text);

    int count() const { return int(nodes_.size()); }
    // Null for an index outside 0..count()-1.
    QTreeWidgetItem* node(int index) const;
    // -1 for an item that is not a node of this tree.
    int indexOf(const QTreeWidgetItem* item) const;

private:
    QVector<QTreeWidgetItem*> nodes_;
};


} // namespace vrm
