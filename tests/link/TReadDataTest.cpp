// A transaction on its own thread reports to a caller that waits in an event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "RecordingSink.h"
#include "link/TReadData.h"
#include "support/SimulatorLink.h"

using namespace vrm;
using namespace vrm::test;

namespace {

struct Delivered {
    QStringList texts;
    std::vector<StatusKind> kinds;
    std::vector<std::pair<int, int>> progress;
    bool allOnCallersThread = true;
};

// Starts the transaction and waits for it the way the window does: in a local event loop.
Delivered runAndWait(TReadData& transaction)
{
    Delivered delivered;
    QObject receiver; // lives on this thread, so the signals arrive queued
    QObject::connect(&transaction, &TReadData::statusChanged, &receiver,
                     [&](const QString& text, StatusKind kind) {
                         delivered.texts << text;
                         delivered.kinds.push_back(kind);
                         delivered.allOnCallersThread &= QThread::currentThread() == receiver.thread();
                     });
    QObject::connect(&transaction, &TReadData::progressChanged, &receiver, [&](int position, int maximum) {
        delivered.progress.emplace_back(position, maximum);
        delivered.allOnCallersThread &= QThread::currentThread() == receiver.thread();
    });
    QEventLoop loop;
    QObject::connect(&transaction, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit); // a hung transaction fails the test, not the run
    transaction.start();
    loop.exec();
    EXPECT_TRUE(transaction.isFinished());
    return delivered;
}

} // namespace

TEST(TReadDataTest, DeliversTextsAndProgressAsSignalsToAWaitingCaller)
{
    SharedSimulator simulator;
    simulator.controller().setArea(4, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A", 10));
    std::vector<uint8_t> modes(10, 0);
    TReadData transaction(simulator.linkFactory(QStringLiteral("ttyS3")),
                          {.kind = int(TransactionKind::ReadArea), .area = 4, .data = modes},
                          defaultTransactionMessages());
    EXPECT_EQ(transaction.result(), 1);

    const Delivered delivered = runAndWait(transaction);
    EXPECT_EQ(transaction.result(), 0);
    EXPECT_EQ(delivered.texts, QStringList({"Идентификация...", "Чтение данных из памяти контроллера...",
                                            "Данные считаны"}));
    EXPECT_EQ(delivered.kinds, (std::vector<StatusKind>{StatusKind::Progress, StatusKind::Progress, StatusKind::Success}));
    EXPECT_EQ(delivered.progress, (std::vector<std::pair<int, int>>{{0, 10}, {10, 10}}));
    EXPECT_TRUE(delivered.allOnCallersThread);
    EXPECT_EQ(modes, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(TReadDataTest, APortThatCannotBeOpenedFailsWithItsName)
{
    SharedSimulator simulator;
    simulator.setPortMissing(true);
    std::vector<uint8_t> identity(88, 0);
    const TransactionRequest request{.kind = int(TransactionKind::Identity), .data = identity};

    TReadData missing(simulator.linkFactory(QStringLiteral("ttyS3")), request, defaultTransactionMessages());
    const Delivered delivered = runAndWait(missing);
    EXPECT_EQ(missing.result(), 1);
    EXPECT_EQ(delivered.texts, QStringList({"Невозможно открыть ttyS3"}));
    EXPECT_EQ(delivered.kinds, std::vector<StatusKind>{StatusKind::Failure});

    TReadData noFactory(LinkFactory{}, request, defaultTransactionMessages());
    EXPECT_EQ(runAndWait(noFactory).texts, QStringList({"Невозможно открыть "}));
    EXPECT_EQ(noFactory.result(), 1);
}
