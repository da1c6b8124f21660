#include "session/TransactionRunner.h"

#include <QEventLoop>

#include "link/TReadData.h"
#include "session/InputBlock.h"
#include "session/StatusView.h"

namespace vrm {

int TransactionRunner::run(const TransactionRequest& request, StatusView* status, bool withProgress) const
{
    TReadData transaction(linkFactory_, request, messages_);
    QEventLoop loop;
    // Queued: the texts are posted by the transaction thread and arrive here,
    // in order, before its `finished`.
    if (status) {
        QObject::connect(&transaction, &TReadData::statusChanged, &loop,
                         [status](const QString& text, StatusKind kind) { status->showStatus(text, kind); },
                         Qt::QueuedConnection);
        if (withProgress)
            QObject::connect(&transaction, &TReadData::progressChanged, &loop,
                             [status](int position, int maximum) { status->showProgress(position, maximum); },
                             Qt::QueuedConnection);
    }
    QObject::connect(&transaction, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    transaction.start(QThread::NormalPriority);
    const InputBlock noInput; // and a close request is refused now, not carried out afterwards
    loop.exec();
    return transaction.result();
}

} // namespace vrm
