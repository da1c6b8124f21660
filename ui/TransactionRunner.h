#pragma once
// Runs one transaction for the user-interface thread: the transaction thread
// does the exchange while this thread waits in a local event loop that
// repaints and delivers timers and queued texts but drops clicks and keys, so
// nothing can change pages or the image under the operation.

#include <QColor>
#include <QString>
#include <QStringList>

#include "link/SerialLink.h"
#include "link/Transaction.h"

class QLabel;
class QProgressBar;

namespace vrm {

// Sets a status label's text and text colour.
void showStatus(QLabel* label, const QString& text, const QColor& colour);
QColor statusColour(const QLabel* label);

class TransactionRunner {
public:
    TransactionRunner(LinkFactory linkFactory, QStringList messages)
        : linkFactory_(std::move(linkFactory)), messages_(std::move(messages))
    {
    }

    // Returns 0 on success, 1 on failure. `request.data` must stay valid until
    // it returns. `status` and `progress` may be null.
    int run(const TransactionRequest& request, QLabel* status, QProgressBar* progress = nullptr) const;

private:
    LinkFactory linkFactory_;
    QStringList messages_;
};

} // namespace vrm
