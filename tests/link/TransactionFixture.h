#pragma once
// A transaction against the in-process simulated controller on port "ttyS7".

#include <gtest/gtest.h>

#include <span>

#include "RecordingSink.h"
#include "link/Transaction.h"
#include "sim/Controller.h"
#include "support/SimulatorLink.h"

namespace vrm::test {

class TransactionFixture : public ::testing::Test {
protected:
    int run(int kind, std::span<uint8_t> data, uint8_t area = 0)
    {
        return runTransaction(link, TransactionRequest{.kind = kind, .area = area, .data = data}, messages, sink);
    }

    // Frames written after "BINARY\r".
    std::vector<QByteArray> requests() const
    {
        const auto& all = link.writes();
        return all.empty() ? std::vector<QByteArray>{} : std::vector<QByteArray>(all.begin() + 1, all.end());
    }

    static QString text(int index) { return defaultTransactionMessages().at(index); }

    sim::Controller controller;
    SimulatorLink link{controller, QStringLiteral("ttyS7")};
    RecordingSink sink;
    QStringList messages = defaultTransactionMessages();
};

inline QByteArray bytes(std::span<const uint8_t> span)
{
    return QByteArray(reinterpret_cast<const char*>(span.data()), qsizetype(span.size()));
}

} // namespace vrm::test
