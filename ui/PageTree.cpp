#include "ui/PageTree.h"

#include <QFile>
#include <QTreeWidget>

#include "model/UiText.h"

namespace vrm {

int PageTree::load(QTreeWidget& tree, const QString& text)
{
    tree.clear();
    nodes_.clear();

    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = normalized.split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    QVector<QTreeWidgetItem*> parents; // parents[level] = last node seen at that level
    for (const QString& line : lines) {
        int level = 0;
        while (level < line.size() && line.at(level) == QLatin1Char('\t'))
            ++level;
        const QString caption = line.mid(level);
        level = std::min<int>(level, int(parents.size()));

        QTreeWidgetItem* item = level == 0 ? new QTreeWidgetItem(&tree)
                                           : new QTreeWidgetItem(parents.at(level - 1));
        // Node texts are interface texts: shown translated.
        item->setText(0, QCoreApplication::translate("Ui", caption.toUtf8().constData()));
        parents.resize(level + 1);
        parents[level] = item;
        nodes_.push_back(item);
    }
    return count();
}

QTreeWidgetItem* PageTree::node(int index) const
{
    return index >= 0 && index < nodes_.size() ? nodes_.at(index) : nullptr;
}

int PageTree::indexOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    return int(nodes_.indexOf(const_cast<QTreeWidgetItem*>(item)));
}

} // namespace vrm
