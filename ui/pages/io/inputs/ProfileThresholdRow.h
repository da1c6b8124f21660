#pragma once
// One row of a profile's threshold area: whether the profile sets the thresholds
// of input `input`, its upper ("В") and lower ("Н") track bars and their values
// converted by the type and scale of that input.

#include <QWidget>

#include "model/InputScale.h"

class QCheckBox;
class QLabel;
class QSlider;

namespace vrm {

class ProfileThresholdRow : public QWidget {
    Q_OBJECT
public:
    ProfileThresholdRow(int input, QWidget* parent = nullptr);

    QCheckBox* enabled() const { return enabled_; }
    QSlider* upper() const { return upper_; }
    QSlider* lower() const { return lower_; }
    QLabel* upperValue() const { return upperValue_; }
    QLabel* lowerValue() const { return lowerValue_; }

    // The input's type index and user scale as the image holds them; then the labels.
    void setScale(int type, UserScale scale);
    // Both value labels from the bars; a type outside 0-4 leaves them as they are.
    void refreshLabels();

private:
    void upperMoved();
    void lowerMoved();

    QCheckBox* enabled_ = nullptr;
    QSlider* upper_ = nullptr;
    QSlider* lower_ = nullptr;
    QLabel* upperValue_ = nullptr;
    QLabel* lowerValue_ = nullptr;
    int type_ = inputtype::discrete;
    UserScale scale_;
};

} // namespace vrm
