#include "link/TReadData.h"

#include "link/TransactionMessages.h"

namespace vrm {
namespace {

// Turns the engine's reports into the thread's signals.
class SignalSink : public TransactionSink {
public:
    explicit SignalSink(TReadData& thread) : thread_(thread) {}
    void status(const QString& text, StatusKind kind) override { emit thread_.statusChanged(text, kind); }
    void progress(int position, int maximum) override { emit thread_.progressChanged(position, maximum); }

private:
    TReadData& thread_;
};

} // namespace

TReadData::TReadData(LinkFactory linkFactory, TransactionRequest request, QStringList messages,
                     QObject* parent)
    : QThread(parent), linkFactory_(std::move(linkFactory)), request_(request), messages_(std::move(messages))
{
}

TReadData::~TReadData()
{
    wait();
}

void TReadData::run()
{
    result_ = 1;
    SignalSink sink(*this);
    // The link is made here so that its port belongs to this thread.
    std::unique_ptr<SerialLink> link = linkFactory_ ? linkFactory_() : nullptr;
    if (!link) {
        emit statusChanged(messages_.value(message::CannotOpen), StatusKind::Failure);
        return;
    }
    result_ = runTransaction(*link, request_, messages_, sink);
}

} // namespace vrm
