// How close a write-and-verify of the main block comes to the wire time of the
// bytes that vrm530-sim paces at 19,200 baud, and what one port open costs.
// The simulator paces what it sends; a pseudo-terminal carries the tool's
// requests at once, so the wire time counted is that of the replies (on a
// real line the requests add their own, and the tool waits for them to drain).
// The same transfer then runs with the serial trace on, which must not cost
// more than 1% (--runs N sets the number of runs of each, 3 by default).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "link/QtSerialLink.h"
#include "link/SerialTrace.h"
#include "link/Transaction.h"
#include "link/TracingLink.h"
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

    int runs = 3;
    const QStringList args = app.arguments();
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    if (runsAt >= 0 && runsAt + 1 < args.size())
        runs = std::max(1, args[runsAt + 1].toInt());

    // One write and verify through the tool's own port stack; `traced` puts the trace in between.
    auto transfer = [&](bool traced, int run, double& ms) {
        std::unique_ptr<SerialLink> link = std::make_unique<QtSerialLink>(sim.path());
        if (traced)
            link = std::make_unique<TracingLink>(std::move(link));
        NullSink sink;
        timer.restart();
        const int result = runTransaction(
            *link, {.kind = int(TransactionKind::WriteVerify), .area = 1, .data = block}, messages, sink);
        ms = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%s run %d: %.0f ms (%+.1f%%) result %d \"%s\"\n", traced ? "traced" : "plain ", run, ms,
                    (ms / expectedMs - 1) * 100, result, qPrintable(sink.last));
        return result == 0;
    };

    QTemporaryDir traceDir;
    const QString tracePath = traceDir.filePath(QStringLiteral("trace.log"));
    double worst = 0;
    double plainTotal = 0;
    double tracedTotal = 0;
    // Alternate the two, so that a slow spell of the machine falls on both alike.
    for (int run = 1; run <= runs; ++run) {
        double ms = 0;
        if (!transfer(false, run, ms))
            return 1;
        worst = std::max(worst, ms);
        plainTotal += ms;
        if (!startSerialTrace(tracePath)) {
            std::fprintf(stderr, "cannot write the trace into %s\n", qPrintable(tracePath));
            return 1;
        }
        const bool ok = transfer(true, run, ms);
        stopSerialTrace();
        if (!ok)
            return 1;
        tracedTotal += ms;
    }
    const double plainMean = plainTotal / runs;
    const double tracedMean = tracedTotal / runs;
    const double traceCost = (tracedMean / plainMean - 1) * 100;
    std::printf("slowest run over wire time: %+.1f%% (budget +5%%)\n", (worst / expectedMs - 1) * 100);
    std::printf("mean of %d: trace off %.1f ms, trace on %.1f ms: %+.2f%% (budget +1%%), trace file %lld bytes\n",
                runs, plainMean, tracedMean, traceCost, qlonglong(QFileInfo(tracePath).size()));
    if (worst > expectedMs * 1.05)
        return 2;
    return traceCost <= 1.0 ? 0 : 3;
}
