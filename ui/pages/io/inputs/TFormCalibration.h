#pragma once
// "Калибровка входа": asks for the value that the present reading of an analogue
// input should show. Local to the tool, it sends nothing to the controller; the
// input page shifts the input's scale by the answer.

#include <QDialog>

class QLineEdit;

namespace vrm {

class TFormCalibration : public QDialog {
    Q_OBJECT
public:
    explicit TFormCalibration(QWidget* parent = nullptr);

    // The value typed, read as far as it forms a number ("," as "."; nothing readable is 0).
    double wantedValue() const;

private:
    QLineEdit* needValue_ = nullptr;
};

} // namespace vrm
