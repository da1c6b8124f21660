#pragma once
// One framed exchange with the controller: open the port, enter binary mode,
// run one kind of transfer, report status texts and progress, close the port.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <vector>

#include "link/SerialLink.h"

namespace vrm {

enum class TransactionKind : int8_t {
    ReadArea = 0,    // area into a private buffer, then into `data`
    WriteVerify = 1, // write `data` to the area, read it back and compare
    Compare = 2,     // read the area and compare with `data`
    Identity = 3,    // command 5, 88-byte identity record
    Status = 4,      // command 12, 36-byte live status record
    SetClock = 5,    // command 13, 6 bytes
    KeyCode = 6,     // command 14, 12-byte key code record
    Reconfigure = 7, // command 15, payload 0
    Restart = 8,     // command 16, payload 0
    Password = 9,    // command 17, 9-byte password
    Control = 10,    // command 20, 3 bytes
    Query21 = 11,    // command 21, caller-sized record
};

struct TransactionRequest {
    int kind = 0;              // 0..11; any other value sends nothing and fails
    uint8_t area = 0;          // memory area 1..7 for kinds 0-2
    std::span<uint8_t> data;   // caller's bytes: source of writes and commands, target of reads
    uint32_t baseAddress = 0;  // controller address of data[0] within the area
    // Compare: receives the bytes the controller holds once the whole area has
    // arrived (and stays empty otherwise), so that a caller can tell which of
    // them differ. Must outlive the transaction, like `data`.
    std::vector<uint8_t>* held = nullptr;
};

// How a status text reads: a step under way, a success or a failure. The
// window decides how each looks.
enum class StatusKind : int8_t { Progress, Success, Failure };

// Where a transaction reports. Called on the thread that runs the transaction.
class TransactionSink {
public:
    virtual ~TransactionSink() = default;
    virtual void status(const QString& text, StatusKind kind) = 0;
    virtual void progress(int position, int maximum) = 0;
};


// The 20 status texts as shown (translated into the interface language).
QStringList defaultTransactionMessages();
// The same texts untranslated (Russian).
QStringList transactionMessageSources();

// Runs one transaction on a closed link and leaves it closed. Returns 0 on
// success, 1 on failure.
int runTransaction(SerialLink& link, const TransactionRequest& request, const QStringList& messages,
                   TransactionSink& sink);

} // namespace vrm
