#include "ui/TFormClearConfig.h"

#include "model/UiText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vrm {

namespace {
constexpr int kWidth = 420;
} // namespace

TFormClearConfig::TFormClearConfig(std::function<bool()> deviceLost, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      deviceLost_(std::move(deviceLost))
{
    setObjectName(QStringLiteral("FormClearConfig"));
    setWindowTitle(Ui::tr("Сброс конфигурации"));
    setModal(true);

    auto* text = new QLabel(
        Ui::tr("Через указанное время будет произведен сброс параметров конфигурации к заводским, "
               "пароль защиты конфигурации будет сброшен. Не отключайте контроллер от PC, связь не "
               "должна прерываться, иначе процедуру сброса придется повторить сначала."),
        this);
    text->setObjectName(QStringLiteral("LabelText"));
    text->setWordWrap(true);
    seconds_ = new QLabel(this);
    seconds_->setObjectName(QStringLiteral("LabelSeconds"));
    seconds_->setAlignment(Qt::AlignCenter);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, kSeconds);
    bar_->setTextVisible(false);
    auto* cancel = new QPushButton(Ui::tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(seconds_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    // A dialog does not size itself by the height a wrapped label needs at its
    // width: reserve that height, or the first and last lines are cut off.
    const QMargins margins = layout->contentsMargins();
    text->setMinimumHeight(text->heightForWidth(kWidth - margins.left() - margins.right()));
    setFixedWidth(kWidth);

    showRemaining(kSeconds);
    timer_ = new QTimer(this);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TFormClearConfig::tick);
    timer_->start();
}

int TFormClearConfig::remaining() const
{
    return bar_->value();
}

void TFormClearConfig::showRemaining(int seconds)
{
    bar_->setValue(seconds);
    seconds_->setText(Ui::tr("%1 Сек.").arg(seconds));
}

void TFormClearConfig::tick()
{
    if (deviceLost_ && deviceLost_()) {
        timer_->stop();
        reject();
        return;
    }
    if (remaining() > 0) {
        showRemaining(remaining() - 1);
        return;
    }
    completed_ = true;
    timer_->stop();
    accept();
}

} // namespace vrm
