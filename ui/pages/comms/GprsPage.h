#pragma once
// Page 10, "Общие параметры GPRS" (`PanelGPRSSharedPAr`): access point, DNS
// servers, GPRS message sources, connection strategy and the wait time shared
// by the three server records.

#include "ui/pages/PageGroup.h"
#include "ui/pages/comms/SourceBoxes.h"
#include "ui/pages/OwnedPanel.h"

class QPushButton;

namespace vrm {

class GprsPage : public PageGroup {
    Q_OBJECT
public:
    explicit GprsPage(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override { return {10}; }
    QWidget* panel(int) override { return panel_; }
    void enter(int page) override;
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

    // Strategy box indices.
    static constexpr int kAlwaysConnected = 0;
    static constexpr int kPeriodic = 1;
    static constexpr int kOnEvent = 2;

private:
    void build();
    void strategyChanged();                 // ComboBoxGPRSConnectionStrategyChange
    static void periodEditLeft(QLineEdit* edit); // ...Period_x5mExit, ...BlockTime...Exit
    void restoreDefaults();                 // Button41Click

    OwnedPanel panel_;
    QLineEdit* apn_ = nullptr;
    QLineEdit* userName_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* dns1_ = nullptr;
    QLineEdit* dns2_ = nullptr;
    comms::SourceBoxes sources_;
    QComboBox* strategy_ = nullptr;
    QLabel* periodLabel_ = nullptr;
    QLineEdit* period_ = nullptr;
    QComboBox* attempts_ = nullptr;
    QComboBox* pingPeriod_ = nullptr;
    QLineEdit* blockTime_ = nullptr;
    QLabel* onlineTimeLabel_ = nullptr;
    QComboBox* onlineTime_ = nullptr;
    QComboBox* waitTime_ = nullptr;
    QPushButton* defaults_ = nullptr;
};

} // namespace vrm
