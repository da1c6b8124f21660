#include "ui/TFormCOMPortConfig.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vrm {

TFormCOMPortConfig::TFormCOMPortConfig(const QString& currentPort, const QStringList& availablePorts,
                                       PortTest testPort, const QString& caption, const QString& errorText,
                                       QWidget* parent)
    : QDialog(parent), testPort_(std::move(testPort)), errorText_(errorText)
{
    setObjectName(QStringLiteral("FormCOMPortConfig"));
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    ports_ = new QComboBox(this);
    ports_->setObjectName(QStringLiteral("ComComboBox1"));
    ports_->setEditable(true);
    ports_->setInsertPolicy(QComboBox::NoInsert);
    ports_->addItems(availablePorts);
    ports_->setCurrentText(currentPort);
    ports_->setMinimumWidth(200);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(ok, &QPushButton::clicked, this, &TFormCOMPortConfig::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ports_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormCOMPortConfig::confirm()
{
    // An empty entry selects nothing: the window keeps its port.
    const QString name = ports_->currentText().trimmed();
    if (!name.isEmpty())
        emit portSelected(name);
    const bool opened = !name.isEmpty() && testPort_(name);
    if (!opened)
        QMessageBox::warning(this, windowTitle(), errorText_, QMessageBox::Ok);
    emit portTested(name, opened);
    if (opened)
        accept();
}

} // namespace vrm
