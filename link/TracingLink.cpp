#include "link/TracingLink.h"

#include "link/SerialTrace.h"
#include "link/TraceFormat.h"

namespace vrm {

TracingLink::TracingLink(std::unique_ptr<SerialLink> port, SerialTrace* trace)
    : port_(std::move(port)), trace_(trace ? *trace : SerialTrace::global())
{
}

TracingLink::~TracingLink()
{
    // Closed here rather than by the port's own destructor, so that the trace sees it.
    close();
}

bool TracingLink::tracing() const
{
    return trace_.active();
}

void TracingLink::event(const QString& text)
{
    trace_.line(port_->name(), "--", text);
}

QString TracingLink::name() const
{
    return port_->name();
}

bool TracingLink::open()
{
    const bool wasOpen = port_->isOpen();
    const bool opened = port_->open();
    if (tracing() && !wasOpen)
        event(opened ? QStringLiteral("port opened") : QStringLiteral("port cannot be opened"));
    return opened;
}

void TracingLink::close()
{
    const bool wasOpen = port_->isOpen();
    port_->close();
    if (tracing() && wasOpen && !port_->isOpen())
        event(QStringLiteral("port closed"));
}

bool TracingLink::isOpen() const
{
    return port_->isOpen();
}

bool TracingLink::clear()
{
    const bool cleared = port_->clear();
    if (!cleared && tracing())
        event(QStringLiteral("port error while purging"));
    return cleared;
}

bool TracingLink::write(const uint8_t* bytes, int count)
{
    if (!tracing())
        return port_->write(bytes, count);

    const std::span<const uint8_t> request(bytes, std::size_t(std::max(count, 0)));
    // The engine sends a request again only after a reply of the wrong length.
    const bool repeated = lastReplyShort_ && std::equal(request.begin(), request.end(), lastRequest_.begin(),
                                                        lastRequest_.end());
    attempt_ = repeated ? attempt_ + 1 : 1;
    if (repeated)
        event(QStringLiteral("retry, attempt %1").arg(attempt_));
    lastRequest_.assign(request.begin(), request.end());
    lastReplyShort_ = false;

    const bool written = port_->write(bytes, count);
    const trace::FrameText text = trace::describeRequest(request);
    trace_.line(port_->name(), "->", text.meaning + QStringLiteral(" | ") + text.hex);
    if (!written)
        event(QStringLiteral("port error while writing"));
    return written;
}

int TracingLink::read(uint8_t* buffer, int count)
{
    const int received = port_->read(buffer, count);
    if (!tracing())
        return received;

    lastReplyShort_ = received != count;
    if (received < 0) {
        event(QStringLiteral("port error while reading"));
        return received;
    }
    if (received > 0) {
        const trace::FrameText text =
            trace::describeReply(std::span<const uint8_t>(buffer, std::size_t(received)), count, lastRequest_);
        trace_.line(port_->name(), "<-", text.meaning + QStringLiteral(" | ") + text.hex);
    }
    if (received < count)
        event(QStringLiteral("time-out: %1 of %2 bytes").arg(received).arg(count));
    return received;
}

} // namespace vrm
