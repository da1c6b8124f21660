#pragma once
// Pages 11-13, "Сервер 1" ... "Сервер 3" (`PanelServersPar`): one set of
// controls for the three server records; page p edits server p - 10.

#include "ui/pages/PageGroup.h"
#include "ui/pages/comms/PageWidgets.h"
#include "ui/pages/OwnedPanel.h"

namespace vrm {

class ServerPages : public PageGroup {
    Q_OBJECT
public:
    explicit ServerPages(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override { return {11, 12, 13}; }
    QWidget* panel(int) override { return panel_; }
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

    static constexpr int kIpAddress = 0;
    static constexpr int kDomainName = 1;

private:
    void build();
    void addressTypeChanged(); // ComboBoxDestTypeChange
    static std::size_t recordOf(int page);

    OwnedPanel panel_;
    QLabel* title_ = nullptr;
    QCheckBox* enabled_ = nullptr;
    QComboBox* addressType_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* port_ = nullptr;
};

} // namespace vrm
