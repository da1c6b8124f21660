#pragma once
// Pages 21-28, "Вход 1" ... "Вход 8" (`Panel6`, one panel for the eight inputs):
// names, type, thresholds with their live reading, alarm timing and filter, and
// the actions on the seven outputs when the input turns active or passive.

#include <optional>

#include "model/layout/Inputs.h"
#include "ui/pages/io/inputs/InputValueDisplay.h"
#include "ui/pages/kit/RecordPages.h"

class QSpinBox;

namespace vrm {

class InputPages : public kit::RecordPages<layout::input::Record> {
public:
    explicit InputPages(PageHost& host, QObject* parent = nullptr);

    void enter(int page) override;

    // A live reading of input `input` (1-8); shown while that input's page is.
    void showReading(int input, int value, bool valid);

    InputValueDisplay& valueDisplay() { return *display_; }

private:
    void build();
    void thresholdMoved(bool high);
    void typeChosen();   // ComboBoxSensTypeChange
    void unitPressed();  // ButtonVoltPercClick

    InputValueControls c_;
    std::optional<InputValueDisplay> display_;
    QComboBox* supplySource_ = nullptr;
};

} // namespace vrm
