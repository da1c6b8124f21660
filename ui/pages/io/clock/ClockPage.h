#pragma once
// Page 14, "Часы, планировщик задач" (`Panel2`, title "Часы и тестовые
// сообщения"): time zone and daylight saving, the contents of the information
// message, the eight scheduler tasks, and the controller's and the computer's
// clocks with the buttons that set the controller's clock.

#include <array>
#include <functional>

#include "ui/pages/io/clock/ClockSetting.h"
#include "ui/pages/io/clock/SchedulerGrid.h"
#include "ui/pages/kit/RecordPages.h"

class QPushButton;

namespace vrm {

class ClockPage : public kit::RecordPages<layout::clock::Record> {
    Q_OBJECT
public:
    explicit ClockPage(PageHost& host, QObject* parent = nullptr);

    void enter(int page) override;

    SchedulerGrid* scheduler() const { return scheduler_; }
    ClockSetting* clockSetting() const { return clockSetting_; }

public slots:
    // From the poller while page 14 is shown, as "dd.mm.yy hh:mm:ss".
    void pcClockPolled(const QString& text);
    void controllerClockPolled(const QString& text);

private:
    void build();
    QWidget* buildClockGroup();
    QWidget* buildInfoGroup();
    void buildScheduler();
    ClockSetting::Actions clockActions();

    QComboBox* timeZone_ = nullptr;
    QLineEdit* controllerTime_ = nullptr;
    QLineEdit* computerTime_ = nullptr;
    QPushButton* setButton_ = nullptr;
    QPushButton* syncButton_ = nullptr;
    std::array<QCheckBox*, 16> infoInputs_{};
    std::array<QCheckBox*, 7> infoOutputs_{};
    SchedulerGrid* scheduler_ = nullptr;
    ClockSetting* clockSetting_ = nullptr;
};

} // namespace vrm
