#pragma once
// The stored controls of a communication page as comparable text, and a way to
// give each of them a value other than its factory one. Shared by the round
// trips through the page groups and through the main window.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <map>
#include <set>

namespace vrm::test {

// Object name -> "index 2", "state 1", "text '...'".
using ControlStates = std::map<QString, QString>;

// Controls that the image does not hold: the administrator box, the hidden
// device identifier.
inline const std::set<QString> kNotStored = {"CheckBoxSysPassword", "MaskEditDevId"};

// Values other than the factory ones, valid for their fields.
inline const std::map<QString, QString> kEditValues = {
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

inline ControlStates capture(QWidget* panel)
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

// Moves every stored control but those in `alreadySet` away from its value.
// `variant` picks other combo box items and another pattern of grey and
// checked input boxes, so that pages sharing one panel get different values.
inline void changeEveryControl(QWidget* panel, const std::set<QString>& alreadySet, int variant = 0)
{
    auto skip = [&](QObject* o) { return o->objectName().isEmpty() || kNotStored.count(o->objectName())
                                         || alreadySet.count(o->objectName()); };
    for (QComboBox* box : panel->findChildren<QComboBox*>())
        if (!skip(box) && box->count() > 1)
            box->setCurrentIndex((box->currentIndex() + 1 + variant % (box->count() - 1)) % box->count());
    int input = variant;
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

} // namespace vrm::test
