#pragma once
// Sets every stored control of a communication page in the main window to a
// value other than its factory one, as a user reaches it.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <set>

#include "tests/ui/CommsControlStates.h"
#include "tests/ui/WindowPages.h"
#include "ui/pages/comms/ServerPages.h"

namespace vrm::test {

// Sets every stored control of the page shown the way a user would reach it
// (handlers of the boxes that switch other controls run first); returns the
// names whose value was chosen on purpose, possibly the factory one.
inline std::set<QString> changeCommsPage(TForm1& window)
{
    const int page = window.shownPage();
    std::set<QString> chosen;
    if (page == 1) {
        control<QCheckBox>(window, "CheckBoxSysPassword")->click();
    } else if (page == 10) {
        choose(window, "ComboBoxGPRSConnectionStrategy", 1); // periodically: the period edit opens
        chosen.insert("ComboBoxGPRSConnectionStrategy");
    } else if (page >= 11 && page <= 13) {
        chosen = {"ComboBoxDestType", "MaskEditServerIPAddr", "MaskEditServerPort"};
        choose(window, "ComboBoxDestType", page == 13 ? ServerPages::kIpAddress : ServerPages::kDomainName);
    } else if (page == 47) {
        control<QPushButton>(window, "Button1")->click(); // lift the notices
    }
    changeEveryControl(shownPanel(window), chosen, page);

    // Pages that share a panel get values of their own, so that one record
    // shown for another cannot pass.
    if (page >= 2 && page <= 9)
        control<QLineEdit>(window, "MaskEditPhone")->setText(QStringLiteral("8916000000%1").arg(page));
    if (page >= 11 && page <= 13) {
        control<QLineEdit>(window, "MaskEditServerIPAddr")
            ->setText(page == 13 ? QStringLiteral("10.20.30.13") : QStringLiteral("srv%1.example.org").arg(page));
        control<QLineEdit>(window, "MaskEditServerPort")->setText(QString::number(8000 + page));
    }
    return chosen;
}

} // namespace vrm::test
