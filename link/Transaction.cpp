#include "link/Transaction.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "link/Frame.h"
#include "link/TransactionMessages.h"
#include "link/TransactionPrimitives.h"

namespace vrm {
namespace {

constexpr int kLastKind = 11;

bool isAreaKind(int kind)
{
    return kind >= 0 && kind <= 2;
}

// Records and command payloads travel in one frame; areas in chunks of any count.
bool fitsTheEngine(const TransactionRequest& request)
{
    if (isAreaKind(request.kind))
        return request.data.size() <= std::size_t(std::numeric_limits<int>::max());
    return request.data.size() <= std::size_t(frame::kMaxRecord);
}

// Reads the whole area into a scratch buffer, so that a failed read leaves the
// caller's bytes as they were.
bool readIntoScratch(TransactionPrimitives& steps, const TransactionRequest& request,
                     std::vector<uint8_t>& area)
{
    steps.show(message::Identification, StatusKind::Progress);
    steps.show(message::Reading, StatusKind::Progress);
    if (!steps.enterBinaryMode())
        return false;
    area.resize(request.data.size());
    return steps.readArea(request.area, request.baseAddress, area);
}

bool readArea(TransactionPrimitives& steps, const TransactionRequest& request)
{
    std::vector<uint8_t> area;
    if (!readIntoScratch(steps, request, area))
        return false;
    // The caller's bytes change only once the whole area has arrived.
    std::copy(area.begin(), area.end(), request.data.begin());
    steps.show(message::DataRead, StatusKind::Success);
    return true;
}

// Shows whether the bytes the controller holds equal the caller's, and returns it.
bool showComparison(TransactionPrimitives& steps, const std::vector<uint8_t>& held,
                    std::span<const uint8_t> expected, int differentText, int equalText)
{
    const bool equal = std::equal(held.begin(), held.end(), expected.begin());
    steps.show(equal ? equalText : differentText, equal ? StatusKind::Success : StatusKind::Failure);
    return equal;
}

bool writeAndVerify(TransactionPrimitives& steps, const TransactionRequest& request)
{
    steps.show(message::Identification, StatusKind::Progress);
    steps.show(message::Writing, StatusKind::Progress);
    if (!steps.enterBinaryMode() || !steps.writeArea(request.area, request.baseAddress, request.data))
        return false;
    steps.show(message::Reading, StatusKind::Progress);
    std::vector<uint8_t> readBack(request.data.size());
    return steps.readArea(request.area, request.baseAddress, readBack)
        && showComparison(steps, readBack, request.data, message::WriteMismatch, message::ProgrammedOk);
}

bool compareArea(TransactionPrimitives& steps, const TransactionRequest& request)
{
    std::vector<uint8_t> area;
    if (!readIntoScratch(steps, request, area))
        return false;
    if (request.held)
        *request.held = area;
    return showComparison(steps, area, request.data, message::CompareDifferent, message::CompareEqual);
}

struct SingleFrameKind {
    uint8_t command;
    bool query;        // a record comes back; otherwise a status byte
    int successText;
};

// Kinds 3..11 in order.
constexpr SingleFrameKind kSingleFrameKinds[] = {
    {5, true, message::VersionRead},     {12, true, message::DataRead},
    {13, false, message::DataSent},      {14, true, message::DataRead},
    {15, false, message::DataSent},      {16, false, message::RestartStarted},
    {17, false, message::DataSent},      {20, false, message::DataSent},
    {21, true, message::DataRead},
};

bool singleFrame(TransactionPrimitives& steps, const TransactionRequest& request)
{
    const SingleFrameKind& kind = kSingleFrameKinds[request.kind - 3];
    if (!steps.enterBinaryMode())
        return false;
    steps.show(message::Identification, StatusKind::Progress);
    const bool done = kind.query ? steps.queryRecord(kind.command, request.data)
                                 : steps.sendCommand(kind.command, request.data);
    if (done)
        steps.show(kind.successText, StatusKind::Success);
    return done;
}

bool runKind(TransactionPrimitives& steps, const TransactionRequest& request)
{
    switch (request.kind) {
    case 0:
        return readArea(steps, request);
    case 1:
        return writeAndVerify(steps, request);
    case 2:
        return compareArea(steps, request);
    default:
        return singleFrame(steps, request);
    }
}

} // namespace

int runTransaction(SerialLink& link, const TransactionRequest& request, const QStringList& messages,
                   TransactionSink& sink)
{
    TransactionPrimitives steps(link, messages, sink);
    const bool knownKind = request.kind >= 0 && request.kind <= kLastKind;
    if (knownKind && !fitsTheEngine(request)) {
        // Larger than any record the controller sends: refused before the port is touched.
        steps.show(message::TransferCode3, StatusKind::Failure);
        return 1;
    }
    if (!link.open() || !link.isOpen()) {
        link.close();
        steps.showWithPortName(message::CannotOpen);
        return 1;
    }
    // An unknown kind opens and closes the port and does nothing else.
    const bool succeeded = knownKind && runKind(steps, request);
    link.close();
    return succeeded ? 0 : 1;
}

} // namespace vrm
