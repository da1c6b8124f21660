#pragma once
// Non-factory values on any settings page 1-47 of the main window, by the
// changes each page group's round trip makes.
#include "tests/ui/CommsPageChanges.h"
#include "tests/ui/InputsControlStates.h"
#include "tests/ui/OutputsPageChanges.h"
#include "tests/ui/PerimeterClockPageChanges.h"

namespace vrm::test {

inline void changeAnyPage(TForm1& window)
{
    const int page = window.shownPage();
    if ((page >= 1 && page <= 13) || page == 47)
        changeCommsPage(window);
    else if (page == 14 || (page >= 16 && page <= 19))
        changePerimeterClockPage(window);
    else if (page == kPowerPage || (page >= kFirstOutputPage && page <= kScenarioPage))
        changeOutputsPage(window);
    else if ((page >= 20 && page <= 28) || (page >= 39 && page <= 46))
        changeEveryInputControl(shownPanel(window), page);
}

} // namespace vrm::test
