// The transaction engine over a fake serial link whose controller answers
// what the fuzzer says: silence, noise, a port error, or a well-formed reply
// to the request just sent with fuzzed status and contents, possibly cut
// short or with one byte changed. Rules:
// - the result is 0 or 1, and the link is closed afterwards;
// - every frame the engine sends carries a valid check byte;
// - a failure shows no success text (blue), and a success ends on one;
// - the caller's buffer changes only for a successful area read or query,
//   and then holds exactly what the controller sent.

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <vector>

#include "FuzzCheck.h"
#include "link/Frame.h"
#include "link/Transaction.h"

using namespace vrm;

namespace {

class FuzzedController : public SerialLink {
public:
    explicit FuzzedController(FuzzedDataProvider& fuzz) : fuzz_(fuzz) {}

    QString name() const override { return QStringLiteral("fuzz"); }
    bool open() override { return open_ = fuzz_.ConsumeProbability<float>() > 0.02f; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool clear() override
    {
        FUZZ_CHECK(open_);
        return !portError();
    }
    bool write(const uint8_t* bytes, int count) override
    {
        FUZZ_CHECK(open_ && count > 0);
        request_.assign(bytes, bytes + count);
        if (!binaryEntry()) {
            FUZZ_CHECK(count >= frame::kOverhead && bytes[0] == frame::kStart);
            FUZZ_CHECK(frame::checkByteValid(request_));
        }
        return !portError();
    }
    int read(uint8_t* buffer, int count) override
    {
        FUZZ_CHECK(open_ && count > 0);
        if (portError())
            return -1;
        std::vector<uint8_t> reply;
        switch (fuzz_.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: // silence
            break;
        case 1: // noise
            reply = fuzz_.ConsumeBytes<uint8_t>(fuzz_.ConsumeIntegralInRange<int>(0, count));
            break;
        default:
            reply = wellFormedReply(count);
            if (fuzz_.ConsumeBool() && !reply.empty()) // one byte changed
                reply[fuzz_.ConsumeIntegralInRange<size_t>(0, reply.size() - 1)] ^= fuzz_.ConsumeIntegral<uint8_t>() | 1;
            if (fuzz_.ConsumeProbability<float>() < 0.1f) // cut short
                reply.resize(fuzz_.ConsumeIntegralInRange<size_t>(0, reply.size()));
        }
        const int n = std::min<int>(count, int(reply.size()));
        std::copy_n(reply.begin(), n, buffer);
        lastDelivered_.assign(buffer, buffer + n);
        // Whatever an area read got, noise included, is what the controller sent.
        if (!binaryEntry() && request_.size() == 13 && n > frame::kAreaHeaderSize) {
            const uint32_t address = uint32_t(request_[4]) | uint32_t(request_[5]) << 8
                                   | uint32_t(request_[6]) << 16 | uint32_t(request_[7]) << 24;
            for (int i = frame::kAreaHeaderSize; i < n - 1; ++i)
                served[address + uint32_t(i - frame::kAreaHeaderSize)] = buffer[i];
        }
        return n;
    }

    // Data bytes that area read replies carried, by controller address.
    std::map<uint32_t, uint8_t> served;
    const std::vector<uint8_t>& lastDelivered() const { return lastDelivered_; }

private:
    bool portError() { return fuzz_.ConsumeProbability<float>() < 0.01f; }
    bool binaryEntry() const { return request_ == std::vector<uint8_t>{'B', 'I', 'N', 'A', 'R', 'Y', '\r'}; }

    std::vector<uint8_t> wellFormedReply(int count)
    {
        // The answer to "BINARY\r", or anything shorter than a frame: bytes as they come.
        if (binaryEntry() || count < frame::kOverhead || request_.size() < frame::kOverhead)
            return fuzz_.ConsumeBytes<uint8_t>(size_t(count));
        const uint8_t command = request_[1];
        const auto status = [this] { return uint8_t(fuzz_.ConsumeProbability<float>() < 0.8f ? 0 : fuzz_.ConsumeIntegralInRange<int>(1, 3)); };
        std::vector<uint8_t> payload;
        if (count == frame::kCommandReplySize) {
            payload = {status()};
        } else if (count == frame::kAreaWriteReplySize && request_.size() > 13) {
            payload.assign(request_.begin() + 4, request_.begin() + 10); // address and length echoed
            payload.push_back(status());
            payload.push_back(fuzz_.ConsumeIntegral<uint8_t>());
        } else if (request_.size() == 13 && count > frame::kAreaHeaderSize) {
            payload.assign(request_.begin() + 4, request_.begin() + 10);
            const int length = count - frame::kAreaHeaderSize - 1;
            for (int i = 0; i < length; ++i)
                payload.push_back(fuzz_.ConsumeIntegral<uint8_t>());
        } else {
            payload = fuzz_.ConsumeBytes<uint8_t>(size_t(count - frame::kOverhead));
            payload.resize(size_t(count - frame::kOverhead), 0);
        }
        return frame::buildFrame(command, payload);
    }

    FuzzedDataProvider& fuzz_;
    bool open_ = false;
    std::vector<uint8_t> request_;
    std::vector<uint8_t> lastDelivered_;
};

class RecordingSink : public TransactionSink {
public:
    void status(const QString& text, StatusKind kind) override
    {
        FUZZ_CHECK(kind == StatusKind::Progress || kind == StatusKind::Success || kind == StatusKind::Failure);
        successShown = successShown || kind == StatusKind::Success;
        lastKind = kind;
        lastText = text;
    }
    void progress(int position, int maximum) override
    {
        FUZZ_CHECK(position >= 0 && position <= maximum);
    }
    bool successShown = false;
    StatusKind lastKind = StatusKind::Progress;
    QString lastText;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fuzz(data, size);
    TransactionRequest request;
    request.kind = fuzz.ConsumeIntegralInRange<int>(-1, 12);
    request.area = fuzz.ConsumeIntegralInRange<uint8_t>(0, 8);
    request.baseAddress = fuzz.ConsumeIntegralInRange<uint32_t>(0, 70000);
    const bool areaKind = request.kind >= 0 && request.kind <= 2;
    // Areas up to three chunks and a bit; records and payloads up to the engine's largest.
    std::vector<uint8_t> buffer = fuzz.ConsumeBytes<uint8_t>(fuzz.ConsumeIntegralInRange<size_t>(0, areaKind ? 800 : 300));
    const std::vector<uint8_t> before = buffer;
    request.data = buffer;

    FuzzedController link(fuzz);
    RecordingSink sink;
    const int result = runTransaction(link, request, defaultTransactionMessages(), sink);

    FUZZ_CHECK(result == 0 || result == 1);
    FUZZ_CHECK(!link.isOpen());
    if (result == 1) {
        FUZZ_CHECK(!sink.successShown);
        FUZZ_CHECK(buffer == before);
        return 0;
    }
    FUZZ_CHECK(request.kind >= 0 && request.kind <= 11);
    FUZZ_CHECK(sink.lastKind == StatusKind::Success);
    const bool query = request.kind == 3 || request.kind == 4 || request.kind == 6 || request.kind == 11;
    if (request.kind == 0) {
        for (size_t i = 0; i < buffer.size(); ++i)
            FUZZ_CHECK(link.served.count(request.baseAddress + uint32_t(i))
                       && buffer[i] == link.served.at(request.baseAddress + uint32_t(i)));
    } else if (query) {
        const auto& reply = link.lastDelivered();
        FUZZ_CHECK(reply.size() == buffer.size() + frame::kOverhead);
        FUZZ_CHECK(std::equal(buffer.begin(), buffer.end(), reply.begin() + 4));
    } else {
        FUZZ_CHECK(buffer == before);
    }
    return 0;
}
