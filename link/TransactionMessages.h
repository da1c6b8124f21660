#pragma once
// Indices into the transaction message list (defaultTransactionMessages()
// gives the default wording) and the one fixed text outside the list.

#include <QString>

namespace vrm::message {

enum Index : int {
    CannotOpen = 0,        // followed by the port name
    Identification = 1,
    Writing = 2,
    PortError = 3,         // followed by the port name
    Reading = 4,
    ProgrammedOk = 5,
    WriteMismatch = 6,
    DataRead = 7,
    CompareEqual = 8,
    CompareDifferent = 9,
    VersionRead = 10,
    DataSent = 11,
    RestartStarted = 12,
    NoCorrectReply = 13,
    NoReply = 14,
    TransferCode1 = 15,
    TransferCode2 = 16,
    TransferCode3 = 17,
    FlashError = 18,
    PasswordRequired = 19,
    Count = 20,
};

// Shown when an area transaction names an area outside 1..7; not in the
// message list, so the language file does not replace it.
QString badAreaText();

} // namespace vrm::message
