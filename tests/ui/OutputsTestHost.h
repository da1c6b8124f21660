#pragma once
// The output page groups driven directly over a host with a factory image and
// the window's run-time texts.

#include "tests/ui/CommsTestHost.h"

namespace vrm::test {

using OutputsTestHost = CommsTestHost;

// A page group over its own host with the window's texts, entered at `page`.
template <class Group>
struct OutputsPageFixture {
    OutputsTestHost host;
    std::unique_ptr<Group> group;
    int page;

    explicit OutputsPageFixture(int page_) : group(std::make_unique<Group>(host)), page(page_)
    {
        host.group = group.get();
        visit(page_);
    }
    void visit(int p)
    {
        page = p;
        host.page = p;
        group->enter(p);
        group->show(p, host.configImage);
    }
    // Leaves the page for `p` the way the window switches pages.
    void switchTo(int p)
    {
        group->store(page, host.configImage);
        visit(p);
    }
    void store() { group->store(page, host.configImage); }
    QWidget* panel() { return group->panel(page); }

    template <class T>
    T* control(const char* name)
    {
        T* widget = panel()->template findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void choose(const char* comboName, int index)
    {
        QComboBox* box = control<QComboBox>(comboName);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    ConfigImage& image() { return host.configImage; }
};

} // namespace vrm::test
