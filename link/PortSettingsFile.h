#pragma once
// "VRMConfig.cfg": the serial port chosen last, kept between runs. 24 bytes:
// "[VRMProgCfg]", the port name NUL-padded to 8 bytes, and 0x20B84286
// little-endian.

#include <QByteArray>
#include <QString>
#include <optional>

namespace vrm {

inline constexpr char kPortSettingsFileName[] = "VRMConfig.cfg";
inline constexpr char kPortSettingsHeader[] = "[VRMProgCfg]";
inline constexpr int kPortSettingsFileSize = 24;
inline constexpr int kMaxStoredPortNameLength = 7;

// The port name of the file, or nothing when the file is missing, short or
// damaged, or names no serial port.
// Anything but a regular file (a FIFO, a device) is refused at once.
std::optional<QString> readPortSettings(const QString& path);
// The same for the file's bytes (only the first 24 count).
std::optional<QString> parsePortSettings(const QByteArray& bytes);

// Replaces the file only by a complete one. A name longer than 7 characters,
// or one that does not fit in single bytes, is not written (a cut name would
// select another port); the result is then false and the old file stays.
bool writePortSettings(const QString& path, const QString& portName);

// A stored name selects a port when it holds the letters 'C', 'O' and 'M'
// (COM ports) or names a terminal device of this platform ("tty...", "pts/...").
bool isAcceptablePortName(const QString& name);

} // namespace vrm
