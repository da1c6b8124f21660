#pragma once
// Page 47, "Системные параметры" (`Panel11`): the clock calibration, the
// backup battery type and two service switches of device area 5. They move only
// through this page's own read and program buttons, and only after the user
// lifts the notice panel `Panel13`.

#include "model/Layout.h"
#include "ui/pages/OwnedPanel.h"
#include "ui/pages/PageGroup.h"
#include "ui/pages/kit/Bindings.h"

class QProgressBar;
class QPushButton;

namespace vrm {

class SystemParametersPage : public PageGroup {
    Q_OBJECT
public:
    explicit SystemParametersPage(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override { return {47}; }
    QWidget* panel(int) override { return panel_; }
    QLabel* titleLabel(int) override { return title_; }
    bool hasOwnTransfers(int) const override { return true; }
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

private:
    void build();
    void allowEditing();       // Button1Click
    void readParameters();     // BitBtnReadSysParClick
    void programParameters();  // BitBtnProgSysParClick

    OwnedPanel panel_;
    QLabel* title_ = nullptr;
    QPushButton* allowEditing_ = nullptr;
    QWidget* cover_ = nullptr;    // Panel13
    QWidget* settings_ = nullptr; // everything the cover keeps out of reach
    kit::Bindings<layout::systemParameters::Record> fields_;
    QPushButton* read_ = nullptr;
    QPushButton* program_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    // Set by the first successful read of area 5 in this run; never cleared.
    bool readOnce_ = false;
};

} // namespace vrm
