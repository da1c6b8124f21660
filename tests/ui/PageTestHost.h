#pragma once
// A page host for driving page groups directly, without the window: it owns a
// factory image with the window's run-time texts and records the system
// parameter transfers it is asked for.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QWidget>
#include <memory>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "ui/pages/PageGroup.h"
#include "session/ControllerAccess.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"

namespace vrm::test {

class PageTestHost : public PageHost {
public:
    ConfigImage configImage = buildFactoryImage();
    TextTable texts;
    PageGroup* group = nullptr;
    int page = -1;
    bool transferSucceeds = true;
    int readCalls = 0;
    int programCalls = 0;

    ConfigImage& image() override { return configImage; }
    int shownPage() const override { return page; }
    void storeAndShowShownPage() override
    {
        group->store(page, configImage);
        group->show(page, configImage);
    }
    QStringList textList(const QString& name) const override { return texts.list(name); }
    QString text(const QString& name) const override { return texts.text(name); }
    ControllerAccess& controller() override { return access; }

    // Records the system parameter transfers; the rest does nothing.
    struct RecordingAccess : ControllerAccess {
        PageTestHost& host;
        explicit RecordingAccess(PageTestHost& h) : host(h) {}
        void sendControlCommand(const QByteArray&) override {}
        void sendClock(const QByteArray&) override {}
        bool readSystemParameters(StatusView&) override
        {
            ++host.readCalls;
            return host.transferSucceeds;
        }
        bool programSystemParameters(StatusView&) override
        {
            ++host.programCalls;
            return host.transferSucceeds;
        }
        void setEditingControllerTime(bool) override {}
    } access{*this};
};

// One page group over its own host, entered at `page` the way the window does:
// preparation, then the show step.
template <class Group>
struct PageFixture {
    PageTestHost host;
    std::unique_ptr<Group> group;
    int page;

    explicit PageFixture(int page_) : group(std::make_unique<Group>(host)), page(page_)
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
    void show() { group->show(page, host.configImage); }
    QWidget* panel() { return group->panel(page); }

    template <class T>
    T* control(const char* name)
    {
        T* widget = panel()->template findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Picks an item as the user does, running the box's change handler.
    void choose(const char* comboName, int index)
    {
        QComboBox* box = control<QComboBox>(comboName);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    ConfigImage& image() { return host.configImage; }
};

inline std::vector<uint8_t> bytesAt(const ConfigImage& image, std::size_t offset, std::size_t count)
{
    return {image.data() + offset, image.data() + offset + count};
}

// Offsets where two images differ.
inline std::vector<std::size_t> changedOffsets(const ConfigImage& before, const ConfigImage& after)
{
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i)
        if (before.byte(i) != after.byte(i))
            offsets.push_back(i);
    return offsets;
}

} // namespace vrm::test
