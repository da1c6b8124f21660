#pragma once
// Runs one transaction for the user-interface thread: the transaction thread
// does the exchange while this thread waits in a local event loop that
// repaints and delivers timers and queued texts but drops clicks and keys, so
// nothing can change pages or the image under the operation.

#include <QString>
#include <QStringList>

#include "link/SerialLink.h"
#include "link/Transaction.h"

namespace vrm {

class StatusView;

class TransactionRunner {
public:
    TransactionRunner(LinkFactory linkFactory, QStringList messages)
        : linkFactory_(std::move(linkFactory)), messages_(std::move(messages))
    {
    }

    // Returns 0 on success, 1 on failure. `request.data` must stay valid until
    // it returns. The texts go to `status` (may be null), the progress too when
    // `withProgress` is set; `status` must outlive the call.
    int run(const TransactionRequest& request, StatusView* status, bool withProgress = false) const;

private:
    LinkFactory linkFactory_;
    QStringList messages_;
};

} // namespace vrm
