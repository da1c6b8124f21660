#pragma once
// Page 15: main supply, battery, board temperature, indication and tamper:
// the messages and output reactions on each event, the limits that keep each
// other in order, and the live supply voltage, battery charge and temperature.

#include "model/layout/Power.h"
#include "ui/pages/kit/RecordPages.h"

class QCheckBox;
class QComboBox;
class QProgressBar;
class QSlider;

namespace vrm {

// The supply, battery and indication record (2808-2817) is the group's own;
// the temperature and tamper record (2842-2851) has bindings of its own.
class PowerPage : public kit::RecordPages<layout::power::Record> {
public:
    static constexpr int kPage = 15;

    explicit PowerPage(PageHost& host, QObject* parent = nullptr);

    void enter(int page) override;
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

    // Live readings while the page is shown.
    void showPower(int battery, int mains);
    void showTemperature(int celsius, bool present);

private:
    struct OutputActionBoxes {
        QComboBox* output = nullptr;
        QComboBox* action = nullptr;
    };
    QWidget* buildSupplyGroup();
    QWidget* buildBatteryGroup();
    QWidget* buildIndicationGroup();
    QWidget* buildTemperatureGroup();
    QWidget* buildTamperGroup();
    // The output and action boxes of one event, bound to its output/action byte.
    template <class R>
    OutputActionBoxes reaction(kit::Bindings<R>& bindings,
                               const SubRecords<R, layout::outputAction::Record>& field, const QString& outputName,
                               const QString& actionName);

    void dischargeWarnMoved(int position);
    void dischargeAlarmMoved(int position);
    void highNotifyMoved(int position);
    void lowNotifyMoved(int position);
    void highLevelChosen(int index);
    void lowLevelChosen(int index);

    kit::Bindings<layout::temperature::Record> temperatureFields_;
    // Main supply.
    QComboBox* averaging_ = nullptr;
    QCheckBox* supplyFault_ = nullptr;
    QComboBox* messageInterval_ = nullptr;
    QCheckBox* supplyRecovery_ = nullptr;
    QCheckBox* supplyGps_ = nullptr;
    OutputActionBoxes onSupplyFault_, onSupplyRecovery_;
    QLabel* mainsLabel_ = nullptr;
    QProgressBar* mainsBar_ = nullptr;
    // Battery.
    QSlider* dischargeAlarm_ = nullptr;
    QSlider* dischargeWarn_ = nullptr;
    QLabel* dischargeAlarmLabel_ = nullptr;
    QLabel* dischargeWarnLabel_ = nullptr;
    QCheckBox* dischargeAlarmEvent_ = nullptr;
    QCheckBox* dischargeWarnEvent_ = nullptr;
    QCheckBox* dischargeGps_ = nullptr;
    OutputActionBoxes onDischargeAlarm_, onDischargeWarn_;
    QLabel* batteryPercent_ = nullptr;
    QProgressBar* batteryBar_ = nullptr;
    QLabel* batteryMessage_ = nullptr;
    // Indication.
    QComboBox* indication_ = nullptr;
    QCheckBox* alarmBlinking_ = nullptr;
    QCheckBox* ledsOffWhenClosed_ = nullptr;
    QCheckBox* activeInputsOnArmOut_ = nullptr;
    // Board temperature.
    QCheckBox* temperatureEvent_ = nullptr;
    QSlider* lowNotify_ = nullptr;
    QSlider* highNotify_ = nullptr;
    QLabel* lowNotifyLabel_ = nullptr;
    QLabel* highNotifyLabel_ = nullptr;
    QComboBox* lowLevel_ = nullptr;
    QComboBox* highLevel_ = nullptr;
    OutputActionBoxes onLowLevel_, onHighLevel_;
    QLabel* temperatureCaption_ = nullptr;
    QProgressBar* temperatureBar_ = nullptr;
    QLabel* temperatureValue_ = nullptr;
    // Tamper.
    QCheckBox* tamperEnable_ = nullptr;
    QCheckBox* tamperInversion_ = nullptr;
    OutputActionBoxes onTamper_;
};

} // namespace vrm
