#include "ui/pages/io/inputs/TFormCalibration.h"

#include "model/UiText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/LenientNumber.h"

namespace vrm {

TFormCalibration::TFormCalibration(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCalibration"));
    setWindowTitle(Ui::tr("Калибровка входа"));

    auto* prompt = new QLabel(Ui::tr("Введите желаемое значение "), this);
    needValue_ = new QLineEdit(QStringLiteral("0"), this);
    needValue_->setObjectName(QStringLiteral("MaskEditNeedVal"));
    needValue_->setMaxLength(10);
    prompt->setBuddy(needValue_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true); // Enter in the field acts as OK
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(needValue_);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(260, 0)));
    needValue_->selectAll();
    needValue_->setFocus();
}

double TFormCalibration::wantedValue() const { return leadingFloatValue(needValue_->text()); }

} // namespace vrm
