// Every control of the communication pages survives store and show: each is set
// to a value other than its factory one, stored, and shown by a fresh set of
// controls from the image alone.

#include "CommsControlStates.h"
#include "PageTestHost.h"
#include "ui/pages/comms/CommonParametersPage.h"
#include "ui/pages/comms/ConnectionPages.h"
#include "ui/pages/comms/GprsPage.h"
#include "ui/pages/comms/ServerPages.h"
#include "ui/pages/comms/SystemParametersPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {

template <class Group>
void expectRoundTrip(int page, const std::function<std::set<QString>(PageFixture<Group>&)>& prepare = {})
{
    SCOPED_TRACE(page);
    PageFixture<Group> edited(page);
    const ControlStates factory = capture(edited.panel());
    std::set<QString> alreadySet;
    if (prepare)
        alreadySet = prepare(edited);
    changeEveryControl(edited.panel(), alreadySet);
    const ControlStates set = capture(edited.panel());
    for (const auto& [name, state] : set)
        if (!alreadySet.count(name)) { // the preparation chose those values on purpose
            EXPECT_NE(state, factory.at(name)) << name.toStdString() << " kept its factory value";
        }
    edited.store();

    PageFixture<Group> fresh(page);
    fresh.host.configImage = edited.image();
    fresh.show();
    const ControlStates shown = capture(fresh.panel());
    for (const auto& [name, state] : set)
        EXPECT_EQ(shown.at(name), state) << name.toStdString();
}

} // namespace

TEST(CommsRoundTrip, CommonParameters)
{
    expectRoundTrip<CommonParametersPage>(1, [](auto& page) {
        page.template control<QCheckBox>("CheckBoxSysPassword")->setChecked(true);
        return std::set<QString>{};
    });
}

TEST(CommsRoundTrip, Connections)
{
    expectRoundTrip<ConnectionPages>(2);
    expectRoundTrip<ConnectionPages>(9);
}

TEST(CommsRoundTrip, GprsCommonParameters)
{
    expectRoundTrip<GprsPage>(10);
}

TEST(CommsRoundTrip, ServerWithDomainName)
{
    expectRoundTrip<ServerPages>(11, [](auto& page) {
        page.choose("ComboBoxDestType", ServerPages::kDomainName);
        return std::set<QString>{"ComboBoxDestType"};
    });
}

TEST(CommsRoundTrip, ServerWithIpAddress)
{
    expectRoundTrip<ServerPages>(13, [](auto& page) {
        page.template control<QLineEdit>("MaskEditServerIPAddr")->setText("10.20.30.40");
        return std::set<QString>{"MaskEditServerIPAddr", "ComboBoxDestType"};
    });
}

TEST(CommsRoundTrip, SystemParameters)
{
    expectRoundTrip<SystemParametersPage>(47);
}
