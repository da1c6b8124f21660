#pragma once
// The message for a port refused for lack of permission: which device, which
// group grants access, and how to join it.

#include <QString>

#include "link/PortPermission.h"

namespace vrm {

// Empty unless `access` was refused for lack of permission.
QString portRefusalMessage(const QString& portName, const PortAccess& access);

// Checks the port's device now and words the outcome.
QString portRefusalMessage(const QString& portName);

} // namespace vrm
