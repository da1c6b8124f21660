#include "ui/pages/kit/UpDownEdit.h"

#include <QLineEdit>
#include <algorithm>

namespace vrm::kit {

QValidator::State UpDownEdit::validate(QString& text, int&) const
{
    // Only digits can be typed; any count of them reads as a position.
    const QString digits = text.trimmed();
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; })
               ? QValidator::Acceptable
               : QValidator::Invalid;
}

int UpDownEdit::valueFromText(const QString& text) const
{
    const QString digits = text.trimmed();
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    // Digits too many for a number are past any range.
    const qlonglong read = digits.isEmpty() ? 0 : ok ? value : qlonglong(maximum());
    return int(std::clamp<qlonglong>(read, minimum(), maximum()));
}

void UpDownEdit::fixup(QString& text) const
{
    text = textFromValue(valueFromText(text));
}

UpDownEdit* makeUpDown(const QString& upDownName, const QString& editName, int low, int high)
{
    auto* upDown = new UpDownEdit;
    upDown->setObjectName(upDownName);
    upDown->setRange(low, high);
    // Its edit field keeps the name of the edit that the up-down drives.
    upDown->findChild<QLineEdit*>()->setObjectName(editName);
    return upDown;
}

} // namespace vrm::kit
