#include "ui/pages/io/inputs/InputValueDisplay.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include "model/InputRange.h"
#include "model/InputThresholds.h"
#include "model/UiText.h"
#include "ui/pages/kit/Widgets.h"

namespace vrm {

QString InputValueDisplay::caption(UnitButton button)
{
    switch (button) {
    case UnitButton::ToVolts: return Ui::tr("В");
    case UnitButton::ToPercent: return QStringLiteral("%");
    case UnitButton::Calibrate: return QStringLiteral("K");
    }
    return {};
}

InputValueDisplay::InputValueDisplay(const InputValueControls& controls) : c_(controls)
{
    c_.currentLabel->setAutoFillBackground(true);
    setUnitButton(UnitButton::ToPercent);
}

DiscreteUnit InputValueDisplay::discreteUnit() const
{
    return unitButton_ == UnitButton::ToPercent ? DiscreteUnit::Volts : DiscreteUnit::Percent;
}

void InputValueDisplay::setUnitButton(UnitButton button)
{
    unitButton_ = button;
    c_.unit->setText(caption(button));
}

void InputValueDisplay::refresh()
{
    const int type = c_.type->currentIndex();
    switch (type) {
    case inputtype::disabled:
    case inputtype::discrete:
        c_.unit->setVisible(true);
        if (unitButton_ == UnitButton::Calibrate)
            setUnitButton(UnitButton::ToVolts);
        c_.analoguePanel->setVisible(false);
        break;
    case inputtype::analogue:
    case inputtype::ts42:
        c_.unit->setVisible(true);
        setUnitButton(UnitButton::Calibrate);
        c_.analoguePanel->setVisible(true);
        break;
    case inputtype::ts41:
        c_.unit->setVisible(false);
        c_.analoguePanel->setVisible(false);
        break;
    default: break;
    }

    const UserScale scale = typedScale(c_.min->text(), c_.max->text());
    const DiscreteUnit unit = discreteUnit();
    const auto show = [&](QLabel* label, int raw) {
        if (const std::optional<QString> text = inputPageValueText(type, raw, scale, unit))
            label->setText(*text);
    };
    show(c_.lowLabel, c_.low->value());
    show(c_.highLabel, c_.high->value());
    show(c_.currentLabel, c_.current->value());
    if (colouringEnabled_)
        recolour();
}

void InputValueDisplay::showReading(std::optional<int> raw)
{
    c_.current->setValue(raw.value_or(0));
    if (raw)
        colouringEnabled_ = true;
    refresh();
}

void InputValueDisplay::toggleUnit()
{
    setUnitButton(unitButton_ == UnitButton::ToVolts ? UnitButton::ToPercent : UnitButton::ToVolts);
    refresh();
}

void InputValueDisplay::calibrate(double wanted)
{
    const UserScale shifted = calibratedScale(typedScale(c_.min->text(), c_.max->text()), c_.current->value(), wanted);
    kit::showWholeText(c_.min, userValueText(shifted.min));
    kit::showWholeText(c_.max, userValueText(shifted.max));
    refresh();
}

void InputValueDisplay::recolour()
{
    const std::optional<bool> active = readingIsActive(c_.activeLevel->currentIndex(), c_.current->value(),
                                                       {c_.low->value(), c_.high->value()});
    if (active)
        setCurrentColour(*active);
}

void InputValueDisplay::setCurrentColour(bool active)
{
    shownActive_ = active;
    QPalette palette = c_.currentLabel->palette();
    palette.setColor(QPalette::Window, active ? QColor(Qt::red) : QPalette().color(QPalette::Button));
    c_.currentLabel->setPalette(palette);
}

} // namespace vrm
