#include "ui/TransactionRunner.h"

#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

#include "link/TReadData.h"
#include "ui/InputBlock.h"

namespace vrm {

void showStatus(QLabel* label, const QString& text, const QColor& colour)
{
    if (!label)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setText(text);
}

QColor statusColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

int TransactionRunner::run(const TransactionRequest& request, QLabel* status, QProgressBar* progress) const
{
    TReadData transaction(linkFactory_, request, messages_);
    QEventLoop loop;
    QPointer<QLabel> label(status);
    QPointer<QProgressBar> bar(progress);
    // Queued: the texts are posted by the transaction thread and arrive here,
    // in order, before its `finished`.
    QObject::connect(&transaction, &TReadData::statusChanged, &loop,
                     [label](const QString& text, const QColor& colour) { showStatus(label, text, colour); },
                     Qt::QueuedConnection);
    QObject::connect(&transaction, &TReadData::progressChanged, &loop,
                     [bar](int position, int maximum) {
                         if (!bar)
                             return;
                         bar->setMaximum(maximum);
                         bar->setValue(position);
                     },
                     Qt::QueuedConnection);
    QObject::connect(&transaction, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    transaction.start(QThread::NormalPriority);
    const InputBlock noInput; // and a close request is refused now, not carried out afterwards
    loop.exec();
    return transaction.result();
}

} // namespace vrm
