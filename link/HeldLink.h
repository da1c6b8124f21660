#pragma once
// A port kept open from one transaction to the next, for a caller that runs
// many in a row (the live status poller): opening a serial port creates and
// syncs a lock file and resets the line, which ten times a second keeps disks
// and laptops awake for nothing. The controller sees the same bytes: every
// transaction still purges both directions and enters binary mode, and DTR
// and RTS stay raised as the open left them.
//
// The transaction's close() leaves the port open. The port really closes
// after a port error (the next transaction opens it afresh), on release(),
// and when the object goes, so that whoever comes next can open it.

#include <memory>

#include "link/SerialLink.h"

namespace vrm {

class HeldLink : public SerialLink {
public:
    explicit HeldLink(std::unique_ptr<SerialLink> port);
    ~HeldLink() override;

    QString name() const override;
    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool clear() override;
    bool write(const uint8_t* bytes, int count) override;
    int read(uint8_t* buffer, int count) override;

    // Closes the port for real.
    void release();
    // True when the last open() found no port (missing, or busy elsewhere).
    bool lastOpenFailed() const { return lastOpenFailed_; }

private:
    std::unique_ptr<SerialLink> port_;
    bool failed_ = false; // a port error since the last open
    bool lastOpenFailed_ = false;
};

} // namespace vrm
