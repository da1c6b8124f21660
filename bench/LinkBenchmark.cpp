// How close a write-and-verify of the main block comes to the wire time of the
// bytes that vrm530-sim paces at 19,200 baud, and what one port open costs.
// The simulator paces what it sends; a pseudo-terminal carries the tool's
// requests at once, so the wire time counted is that of the replies (on a
// real line the requests add their own, and the tool waits for them to drain).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

#include "link/QtSerialLink.h"
#include "link/Transaction.h"
#include "model/FactoryImage.h"
#include "support/SimProcess.h"

using namespace vrm;

namespace {

class NullSink : public TransactionSink {
public:
    void status(const QString& text, StatusKind) override { last = text; }
    void progress(int, int) override {}
    QString last;
};

constexpr double kMsPerByte = 10.0 * 1000.0 / 19200.0;
constexpr int kDiscardReadMs = 100 + 3; // the read-back primitive's discard read finds no byte

// Reply bytes of a write-and-verify of `size` bytes: the entry's answer byte,
// a 13-byte answer per written chunk and the chunk itself plus 11 per read.
int pacedReplyBytes(int size)
{
    int bytes = 1;
    for (int offset = 0; offset < size; offset += 256) {
        const int chunk = std::min(256, size - offset);
        bytes += 13 + (chunk + 11);
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    test::SimProcess sim({"--pace", "--no-drift"});
    if (sim.path().isEmpty()) {
        std::fprintf(stderr, "vrm530-sim did not start\n");
        return 1;
    }

    QElapsedTimer timer;
    constexpr int kOpens = 20;
    timer.start();
    for (int i = 0; i < kOpens; ++i) {
        QtSerialLink link(sim.path());
        if (!link.open()) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(sim.path()));
            return 1;
        }
        link.close();
    }
    const double openMs = double(timer.nsecsElapsed()) / 1e6 / kOpens;

    ConfigImage image = buildFactoryImage();
    std::vector<uint8_t> block(image.data(), image.data() + blocks::main.size);
    const double expectedMs = pacedReplyBytes(int(block.size())) * kMsPerByte + kDiscardReadMs;
    const QStringList messages = defaultTransactionMessages();

    std::printf("port open and close: %.2f ms\n", openMs);
    std::printf("main block write and verify, paced reply time plus discard read: %.0f ms\n", expectedMs);
    double worst = 0;
    for (int run = 1; run <= 3; ++run) {
        QtSerialLink link(sim.path());
        NullSink sink;
        timer.restart();
        const int result = runTransaction(link, {.kind = int(TransactionKind::WriteVerify), .area = 1, .data = block},
                                          messages, sink);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        worst = std::max(worst, ms);
        std::printf("run %d: %.0f ms (%+.1f%%) result %d \"%s\"\n", run, ms, (ms / expectedMs - 1) * 100, result,
                    qPrintable(sink.last));
        if (result != 0)
            return 1;
    }
    std::printf("slowest run over wire time: %+.1f%% (budget +5%%)\n", (worst / expectedMs - 1) * 100);
    return worst <= expectedMs * 1.05 ? 0 : 2;
}
