#pragma once
// The value labels of the input page: the two thresholds and the live reading
// shown by the input's type (volts or percent, user units, degrees), the unit
// button and the user scale panel that go with the type, and the red colouring
// of the live value while the input counts as active.

#include <optional>

#include "model/InputScale.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QWidget;

namespace vrm {

// What may be typed into the minimum and maximum edits; what the tool shows
// there (7 significant digits, "1.234568e+07") is never cut to it.
inline constexpr int kScaleTypedLength = 10;

struct InputValueControls {
    QComboBox* type = nullptr;        // ComboBoxSensType
    QComboBox* activeLevel = nullptr; // ComboBoxSensActLevel
    QSlider* low = nullptr;           // TrackBarLoBarrier
    QSlider* high = nullptr;          // TrackBarHiBarrier
    QLineEdit* min = nullptr;         // MaskEditMinVal
    QLineEdit* max = nullptr;         // MaskEditMaxVal
    QPushButton* unit = nullptr;      // ButtonVoltPerc
    QWidget* analoguePanel = nullptr; // PanelAnalogue
    QProgressBar* current = nullptr;  // ProgressBarCurrentVal
    QLabel* lowLabel = nullptr;       // LabelLoBarrier
    QLabel* highLabel = nullptr;      // LabelHiBarrier
    QLabel* currentLabel = nullptr;   // LabelCurrentVal
};

class InputValueDisplay {
public:
    // What the unit button offers: the unit a press switches to, or the calibration.
    enum class UnitButton { ToVolts, ToPercent, Calibrate };
    // Its caption: "В", "%" or "K".
    static QString caption(UnitButton button);

    // Starts with the button offering percent, so that volts are shown.
    explicit InputValueDisplay(const InputValueControls& controls);

    // Button, panel and the three labels by the type; recolours once colouring is on.
    void refresh();
    // A live reading of the shown input: a valid one moves the bar and switches the
    // colouring on for good; none empties the bar and leaves the switch as it was.
    void showReading(std::optional<int> raw);

    // Unit button pressed on a disabled or discrete input: the other unit.
    void toggleUnit();
    // The scale moved so that the present reading shows `wanted` (analogue and TS-42).
    void calibrate(double wanted);

    DiscreteUnit discreteUnit() const;
    UnitButton unitButton() const { return unitButton_; }
    bool colouringEnabled() const { return colouringEnabled_; }
    // Whether the live value is shown as active (red); nullopt before the first decision.
    std::optional<bool> shownActive() const { return shownActive_; }

private:
    void recolour();
    void setCurrentColour(bool active);
    void setUnitButton(UnitButton button);

    InputValueControls c_;
    UnitButton unitButton_ = UnitButton::ToPercent;
    bool colouringEnabled_ = false;
    std::optional<bool> shownActive_;
};

} // namespace vrm
