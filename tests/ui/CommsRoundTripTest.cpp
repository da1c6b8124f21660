// Every control of the communication pages survives store and show: each is set
// to a value other than its factory one, stored, and shown by a fresh set of
// controls from the image alone.

#include <QCheckBox>
#include <QLineEdit>
#include <map>
#include <set>

#include "CommsTestHost.h"
#include "ui/pages/comms/CommonParametersPage.h"
#include "ui/pages/comms/ConnectionPages.h"
#include "ui/pages/comms/GprsPage.h"
#include "ui/pages/comms/ServerPages.h"
#include "ui/pages/comms/SystemParametersPage.h"

using namespace vrm;
using namespace vrm::test;

namespace {

using ControlStates = std::map<QString, QString>;

// Controls that the image does not hold: the administrator box, the hidden
// device identifier.
const std::set<QString> kNotStored = {"CheckBoxSysPassword", "MaskEditDevId"};

// Values other than the factory ones, valid for their fields.
const std::map<QString, QString> kEditValues = {
    {"MaskEditSysPassword", "Adm1n234"},
    {"MaskEditPIN", "1234"},
    {"MaskEditDTMFPass", "1111"},
    {"MaskEditPassword", "sms2"},
    {"MaskEditSMSCA", "+79001234567"},
    {"MaskEditBalansReqCMD", "*111#"},
    {"MaskEditBalansIdWord", "Остаток "},
    {"EditBalansMinVal", "150"},
    {"EditReqPeriodH", "24"},
    {"EditModBusAddress", "12"},
    {"MaskEditPhone", "89161234567"},
    {"EditAPN", "apn.example"},
    {"EditGPRSUserName", "user"},
    {"EditGPRSPassword", "pw"},
    {"MaskEditDNS1", "8.8.4.4"},
    {"MaskEditDNS2", "1.0.0.1"},
    {"MaskEditConnectingPeriod_x5m", "60"},
    {"MaskEditBlockTimeAtConnFault_min", "25"},
    {"MaskEditServerIPAddr", "srv.example.org"},
    {"MaskEditServerPort", "8080"},
    {"EditCALVAL", "86400"},
};

ControlStates capture(QWidget* panel)
{
    ControlStates states;
    for (QComboBox* box : panel->findChildren<QComboBox*>())
        states[box->objectName()] = QStringLiteral("index %1").arg(box->currentIndex());
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        states[box->objectName()] = QStringLiteral("state %1").arg(int(box->checkState()));
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
        states[edit->objectName()] = QStringLiteral("text '%1'").arg(edit->text());
    states.erase(QString());
    for (const QString& name : kNotStored)
        states.erase(name);
    return states;
}

void changeEveryControl(QWidget* panel, const std::set<QString>& alreadySet)
{
    auto skip = [&](QObject* o) { return o->objectName().isEmpty() || kNotStored.count(o->objectName())
                                         || alreadySet.count(o->objectName()); };
    for (QComboBox* box : panel->findChildren<QComboBox*>())
        if (!skip(box))
            box->setCurrentIndex((box->currentIndex() + 1) % box->count());
    int input = 0;
    for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
        if (skip(box))
            continue;
        if (box->isTristate())
            box->setCheckState(++input % 2 ? Qt::PartiallyChecked : Qt::Checked);
        else
            box->setChecked(!box->isChecked());
    }
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>()) {
        if (skip(edit))
            continue;
        const auto value = kEditValues.find(edit->objectName());
        if (value == kEditValues.end())
            ADD_FAILURE() << "no test value for " << edit->objectName().toStdString();
        else
            edit->setText(value->second);
    }
}

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
