#pragma once
// The tool's port settings file "VRMConfig.cfg", written so that the tool
// starts on the simulator's pseudo-terminal: "[VRMProgCfg]", the port name
// NUL-padded to 8 bytes, then the value 0x20B84286 little-endian (24 bytes).

#include <QByteArray>
#include <QString>

namespace vrm::sim {

constexpr int kPortConfigSize = 24;

// The file's bytes; empty when the name does not fit (more than 7 bytes).
QByteArray portConfigBytes(const QByteArray& portName);
// Writes `dir`/VRMConfig.cfg; a failure leaves any old file intact.
bool writePortConfig(const QString& dir, const QByteArray& portName, QString& error);

} // namespace vrm::sim
