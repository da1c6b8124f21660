#pragma once
// Page 10, "Общие параметры GPRS" (`PanelGPRSSharedPAr`): access point, DNS
// servers, GPRS message sources, connection strategy and the wait time shared
// by the three server records.

#include "ui/pages/kit/RecordPages.h"
#include "ui/pages/kit/SourceGroup.h"

class QPushButton;

namespace vrm {

class GprsPage : public kit::RecordPages<layout::gprs::Record> {
public:
    explicit GprsPage(PageHost& host, QObject* parent = nullptr);

    // The page keeps its own title.
    QLabel* titleLabel(int) override { return nullptr; }
    void enter(int page) override;

    // Strategy box indices.
    static constexpr int kAlwaysConnected = 0;
    static constexpr int kPeriodic = 1;
    static constexpr int kOnEvent = 2;

private:
    void build();
    void bindConnection();
    void strategyChanged();                 // ComboBoxGPRSConnectionStrategyChange
    static void periodEditLeft(QLineEdit* edit); // ...Period_x5mExit, ...BlockTime...Exit
    void restoreDefaults();                 // Button41Click

    kit::SourceBoxes sources_;
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
