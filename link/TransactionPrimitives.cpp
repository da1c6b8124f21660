#include "link/TransactionPrimitives.h"

#include "link/Frame.h"
#include "link/TransactionMessages.h"

namespace vrm {
namespace {

constexpr int kAttempts = 3;
constexpr uint8_t kBinaryEntry[] = {'B', 'I', 'N', 'A', 'R', 'Y', '\r'};

} // namespace

TransactionPrimitives::TransactionPrimitives(SerialLink& link, const QStringList& messages,
                                             TransactionSink& sink)
    : link_(link), messages_(messages), sink_(sink)
{
}

void TransactionPrimitives::show(int messageIndex, StatusKind kind)
{
    // A short or translated list may lack a text: it is shown empty.
    showText(messages_.value(messageIndex), kind);
}

void TransactionPrimitives::showText(const QString& text, StatusKind kind)
{
    sink_.status(text, kind);
}

void TransactionPrimitives::showWithPortName(int messageIndex)
{
    showText(messages_.value(messageIndex) + link_.name(), StatusKind::Failure);
}

bool TransactionPrimitives::enterBinaryMode()
{
    if (!link_.clear() || !link_.write(kBinaryEntry, int(sizeof kBinaryEntry))) {
        showWithPortName(message::PortError);
        return false;
    }
    return true;
}

bool TransactionPrimitives::discardBinaryAnswer()
{
    uint8_t answer = 0;
    if (link_.read(&answer, 1) < 0) {
        showWithPortName(message::PortError);
        return false;
    }
    return true;
}

int TransactionPrimitives::exchange(const std::vector<uint8_t>& request, std::vector<uint8_t>& reply)
{
    int received = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (!link_.clear() || !link_.write(request.data(), int(request.size()))) {
            showWithPortName(message::PortError);
            return kPortError;
        }
        received = link_.read(reply.data(), int(reply.size()));
        if (received < 0 || received > int(reply.size())) {
            showWithPortName(message::PortError);
            return kPortError;
        }
        if (received == int(reply.size()))
            break;
    }
    return received;
}

bool TransactionPrimitives::replyComplete(int received, const std::vector<uint8_t>& reply)
{
    if (received == kPortError)
        return false;
    if (received != int(reply.size())) {
        show(received == 0 ? message::NoReply : message::NoCorrectReply, StatusKind::Failure);
        return false;
    }
    return true;
}

bool TransactionPrimitives::accepted(frame::Verdict verdict)
{
    switch (verdict) {
    case frame::Verdict::Accepted:
        return true;
    case frame::Verdict::BadCheck:
        show(message::TransferCode2, StatusKind::Failure);
        return false;
    case frame::Verdict::FlashError:
        show(message::FlashError, StatusKind::Failure);
        return false;
    case frame::Verdict::PasswordRequired:
        show(message::PasswordRequired, StatusKind::Failure);
        return false;
    case frame::Verdict::WrongSize:
    case frame::Verdict::BadEcho:
        break;
    }
    show(message::TransferCode3, StatusKind::Failure);
    return false;
}

bool TransactionPrimitives::startAreaTransfer(int size, std::optional<uint8_t> command)
{
    sink_.progress(0, size);
    if (!discardBinaryAnswer())
        return false;
    if (!command) {
        showText(message::badAreaText(), StatusKind::Failure);
        return false;
    }
    return true;
}

bool TransactionPrimitives::queryRecord(uint8_t command, std::span<uint8_t> record)
{
    if (!discardBinaryAnswer())
        return false;
    const int size = int(record.size());
    std::vector<uint8_t> reply(std::size_t(frame::queryReplySize(size)));
    const int received = exchange(frame::buildFrame(command), reply);
    if (!replyComplete(received, reply) || !accepted(frame::validateQueryReply(reply, command, size)))
        return false;
    std::copy_n(reply.begin() + 4, size, record.begin());
    return true;
}

bool TransactionPrimitives::sendCommand(uint8_t command, std::span<const uint8_t> payload)
{
    if (!discardBinaryAnswer())
        return false;
    std::vector<uint8_t> reply(frame::kCommandReplySize);
    const int received = exchange(frame::buildFrame(command, payload), reply);
    return replyComplete(received, reply) && accepted(frame::validateCommandReply(reply, command));
}

bool TransactionPrimitives::writeArea(int area, uint32_t baseAddress, std::span<const uint8_t> data)
{
    const int size = int(data.size());
    const auto command = frame::areaWriteCommand(area);
    if (!startAreaTransfer(size, command))
        return false;
    std::vector<uint8_t> reply(frame::kAreaWriteReplySize);
    for (int offset = 0; offset < size;) {
        const int chunk = frame::chunkLength(size, offset);
        const uint32_t address = baseAddress + uint32_t(offset);
        const int received =
            exchange(frame::buildAreaWrite(*command, address, data.subspan(offset, chunk)), reply);
        if (!replyComplete(received, reply)
            || !accepted(frame::validateAreaWriteReply(reply, *command, address, uint16_t(chunk))))
            return false;
        offset += chunk;
        sink_.progress(offset, size);
    }
    return true;
}

bool TransactionPrimitives::readArea(int area, uint32_t baseAddress, std::span<uint8_t> into)
{
    const int size = int(into.size());
    const auto command = frame::areaReadCommand(area);
    if (!startAreaTransfer(size, command))
        return false;
    std::vector<uint8_t> reply;
    for (int offset = 0; offset < size;) {
        const int chunk = frame::chunkLength(size, offset);
        const uint32_t address = baseAddress + uint32_t(offset);
        reply.resize(std::size_t(frame::areaReadReplySize(chunk)));
        const int received = exchange(frame::buildAreaRead(*command, address, uint16_t(chunk)), reply);
        if (received == kPortError)
            return false;
        if (received != int(reply.size())) {
            // An area read has one text for a short reply and for none at all.
            show(message::TransferCode1, StatusKind::Failure);
            return false;
        }
        if (!accepted(frame::validateAreaReadReply(reply, *command, address, uint16_t(chunk))))
            return false;
        std::copy_n(reply.begin() + frame::kAreaHeaderSize, chunk, into.begin() + offset);
        offset += chunk;
        sink_.progress(offset, size);
    }
    return true;
}

} // namespace vrm
