#pragma once
// Blocking reads and writes straight on a serial port's descriptor (Unix),
// for QtSerialLink: a poll cycle then costs one system call per step instead
// of QSerialPort's poll-then-copy through its own buffers. The descriptor
// stays QSerialPort's: it opens, sets up, purges and closes the port.

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include <cstdint>

namespace vrm::unixio {

// The bytes waiting now, up to `max` (0 when none); -1 when the port failed.
int readWaiting(int fd, uint8_t* into, int max);
// Waits up to `ms` for bytes to read: 1 when some came, 0 on silence, -1
// when the port failed or hung up.
int waitReadable(int fd, int ms);
// Writes all `count` bytes within `limitMs`; false on failure or time-out.
bool writeAll(int fd, const uint8_t* bytes, int count, qint64 limitMs);
// True when nothing waits to be read and nothing to be sent, as far as the
// driver can tell; false when it cannot tell.
bool queuesEmpty(int fd);
// The bytes written but not yet sent by the driver; -1 when it cannot tell
// (not a terminal).
int unsentBytes(int fd);
using UnsentBytes = int (*)(int fd);
// Waits until the written bytes have left the line, so that a reply's
// time-out counts from the end of the request as the controller sees it, but
// no longer than `limitMs`: an adapter that stops sending (pulled out in the
// middle of a write) must not hold the caller for good, as tcdrain would.
// False when bytes are still queued at the limit. (A pseudo-terminal drains
// at once.)
bool drainWithin(int fd, qint64 limitMs, UnsentBytes unsent = unsentBytes);

} // namespace vrm::unixio

#endif
