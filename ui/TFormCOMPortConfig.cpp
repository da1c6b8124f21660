#include "ui/TFormCOMPortConfig.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/UiText.h"

namespace vrm {

TFormCOMPortConfig::TFormCOMPortConfig(const QString& currentPort, const QList<PortDescription>& availablePorts,
                                       PortTest testPort, const QString& caption, const QString& errorText,
                                       QWidget* parent, RefusalReason refusalReason)
    : QDialog(parent), testPort_(std::move(testPort)), refusalReason_(std::move(refusalReason)), errorText_(errorText)
{
    setObjectName(QStringLiteral("FormCOMPortConfig"));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    ports_ = new QComboBox(this);
    ports_->setObjectName(QStringLiteral("ComComboBox1"));
    ports_->setEditable(true);
    ports_->setInsertPolicy(QComboBox::NoInsert);
    for (const PortDescription& port : availablePorts)
        ports_->addItem(port.label(), port.name);
    const int current = ports_->findData(currentPort);
    if (current >= 0)
        ports_->setCurrentIndex(current);
    else
        ports_->setCurrentText(currentPort);
    ports_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ports_->setMinimumWidth(200);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Ui::tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(Ui::tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(ok, &QPushButton::clicked, this, &TFormCOMPortConfig::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ports_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TFormCOMPortConfig::chosenPortName() const
{
    const QString text = ports_->currentText().trimmed();
    const int listed = ports_->findText(ports_->currentText());
    if (listed >= 0 && !ports_->itemData(listed).toString().isEmpty())
        return ports_->itemData(listed).toString();
    return text;
}

void TFormCOMPortConfig::confirm()
{
    // An empty entry selects nothing: the window keeps its port.
    const QString name = chosenPortName();
    if (!name.isEmpty())
        emit portSelected(name);
    const bool opened = !name.isEmpty() && testPort_(name);
    if (!opened) {
        const QString reason = name.isEmpty() || !refusalReason_ ? QString() : refusalReason_(name);
        QMessageBox::warning(this, windowTitle(), reason.isEmpty() ? errorText_ : reason, QMessageBox::Ok);
    }
    emit portTested(name, opened);
    if (opened)
        accept();
}

} // namespace vrm
