#pragma once
// Every interface text a window shows, for the language tests: the texts of
// labels, buttons, group frames, combo items, table headings, tab captions,
// tool tips, window titles, progress formats, input masks, menu and toolbar
// actions, and tree nodes, each
// tagged with where it sits ("Panel6/CheckBox24HZone: Всегда ...").
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <map>

namespace vrm::test {

// Place -> text; a place that shows several texts gets "#n" suffixes.
using ShownTexts = std::map<QString, QString>;

inline QString placeOf(const QObject* object)
{
    QString place = object->objectName();
    for (const QObject* parent = object->parent(); parent; parent = parent->parent()) {
        if (!parent->objectName().isEmpty() && !parent->objectName().startsWith(QLatin1String("qt_"))) {
            place = parent->objectName() + QLatin1Char('/') + place;
            break;
        }
    }
    return place;
}

inline void addText(ShownTexts& texts, const QString& place, const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    QString key = place;
    for (int n = 2; texts.count(key); ++n)
        key = place + QStringLiteral("#%1").arg(n);
    texts[key] = text;
}

// The texts of `root` and everything in it. Editable fields (data) are left out.
inline ShownTexts shownTexts(const QWidget& root)
{
    ShownTexts texts;
    addText(texts, placeOf(&root) + QStringLiteral("[title]"), root.windowTitle());
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QString place = placeOf(widget);
        addText(texts, place + QStringLiteral("[tip]"), widget->toolTip());
        if (widget->isWindow())
            addText(texts, place + QStringLiteral("[title]"), widget->windowTitle());
        if (auto* bar = qobject_cast<QProgressBar*>(widget))
            addText(texts, place + QStringLiteral("[format]"), bar->format());
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->inputMask().isEmpty())
            addText(texts, place + QStringLiteral("[mask]"), edit->displayText()); // the mask's literal text
        if (auto* label = qobject_cast<QLabel*>(widget))
            addText(texts, place, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !qobject_cast<QToolButton*>(widget))
            addText(texts, place, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            addText(texts, place, group->title());
        else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable()) {
            for (int i = 0; i < combo->count(); ++i)
                addText(texts, place + QStringLiteral("[%1]").arg(i), combo->itemText(i));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                addText(texts, place + QStringLiteral("[tab %1]").arg(i), tabs->tabText(i));
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (QTableWidgetItem* item = table->horizontalHeaderItem(c))
                    addText(texts, place + QStringLiteral("[column %1]").arg(c), item->text());
            for (int r = 0; r < table->rowCount(); ++r)
                if (QTableWidgetItem* item = table->verticalHeaderItem(r))
                    addText(texts, place + QStringLiteral("[row %1]").arg(r), item->text());
        } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            int n = 0;
            for (QTreeWidgetItemIterator it(tree); *it; ++it, ++n)
                addText(texts, place + QStringLiteral("[node %1]").arg(n), (*it)->text(0));
        }
    }
    for (QAction* action : root.findChildren<QAction*>()) {
        const QString place = placeOf(action);
        addText(texts, place + QStringLiteral("[text]"), action->text());
        addText(texts, place + QStringLiteral("[icon text]"), action->iconText());
        addText(texts, place + QStringLiteral("[status tip]"), action->statusTip());
    }
    for (QMenu* menu : root.findChildren<QMenu*>())
        addText(texts, placeOf(menu) + QStringLiteral("[menu]"), menu->title());
    return texts;
}

inline bool hasCyrillic(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    return false;
}

} // namespace vrm::test
