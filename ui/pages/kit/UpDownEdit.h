#pragma once
// An edit with its up-down arrows over a whole number in a range. Every change
// of the text moves the position at once: an emptied edit means 0 and a number
// typed past the range means its end, instead of the old value coming back
// when the edit loses the focus.

#include <QSpinBox>

namespace vrm::kit {

class UpDownEdit : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

    QValidator::State validate(QString& text, int& position) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& text) const override;
};

// The up-down `upDownName` whose edit field is `editName`, over [low, high].
UpDownEdit* makeUpDown(const QString& upDownName, const QString& editName, int low, int high);

} // namespace vrm::kit
