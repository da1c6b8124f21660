#pragma once
// Driving the main window's pages as an installer does: through the page tree
// with the mouse, and the combo boxes with their change handlers running.
#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>
#include <map>

#include "tests/ui/MainWindowFixture.h"
#include "ui/TForm1.h"
#include "ui/pages/PageGroup.h"

namespace vrm::test {

using ControlStates = std::map<QString, QString>;

// The window shown, with its actions unlocked (Timer2 has fired).
inline void waitUntilReady(TForm1& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(waitFor([&] { return window.findChild<QAction*>(QStringLiteral("FileSave1"))->isEnabled(); }));
}

// Clicks the page's node in TreeView1, as the user selects a page.
inline void clickPage(TForm1& window, int page)
{
    QTreeWidget* tree = window.pageTree();
    QTreeWidgetItemIterator it(tree);
    for (int i = 0; i < page && *it; ++i)
        ++it;
    ASSERT_NE(*it, nullptr) << "no node for page " << page;
    tree->scrollToItem(*it);
    // On the start of the node's text: long texts may reach beyond the view's width.
    const QRect node = tree->visualItemRect(*it);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(node.left() + 8, node.center().y()));
    ASSERT_EQ(window.shownPage(), page) << "the click did not select page " << page;
}

inline QWidget* shownPanel(TForm1& window)
{
    return window.pageGroup(window.shownPage())->panel(window.shownPage());
}

template <class T>
T* control(TForm1& window, const char* name)
{
    T* widget = shownPanel(window)->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Picks an item as the user does, so that the box's change handler runs.
inline void choose(TForm1& window, const char* comboName, int index)
{
    QComboBox* box = control<QComboBox>(window, comboName);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline void expectShown(const ControlStates& shown, const ControlStates& expected)
{
    for (const auto& [name, state] : expected) {
        const auto it = shown.find(name);
        if (it == shown.end())
            ADD_FAILURE() << name.toStdString() << " is missing";
        else
            EXPECT_EQ(it->second.toStdString(), state.toStdString()) << name.toStdString();
    }
}

} // namespace vrm::test
