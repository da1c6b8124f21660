#pragma once
// A transaction on its own thread, for a caller that waits for it while its
// window keeps repainting. Status texts and progress leave the thread as
// signals; connect them queued to the caller's label and progress bar.

#include <QThread>
#include <atomic>

#include "link/Transaction.h"

namespace vrm {

class TReadData : public QThread {
    Q_OBJECT
public:
    // `request.data` must stay valid until the thread has finished.
    TReadData(LinkFactory linkFactory, TransactionRequest request, QStringList messages,
              QObject* parent = nullptr);
    ~TReadData() override; // waits for the thread if it still runs

    // 1 until the transaction succeeded, then 0.
    int result() const { return result_; }

signals:
    void statusChanged(const QString& text, StatusKind kind);
    void progressChanged(int position, int maximum);

protected:
    void run() override;

private:
    LinkFactory linkFactory_;
    TransactionRequest request_;
    QStringList messages_;
    std::atomic<int> result_{1};
};

} // namespace vrm
