#pragma once
// The serial ports present on this machine with what the system tells about
// each (description, maker, USB identity), so that a cable can be recognised
// in the port list.

#include <QList>
#include <QString>

namespace vrm {

struct PortDescription {
    QString name;         // "ttyUSB0"
    QString description;  // "USB-Serial Controller", empty when the system gives none
    QString manufacturer; // empty when unknown
    QString serialNumber; // empty when unknown
    bool hasUsbIdentity = false;
    quint16 vendorId = 0;
    quint16 productId = 0;

    // "ttyUSB0 — USB-Serial Controller (USB 067b:2303)"; the bare name when nothing is known.
    QString label() const;
};

QList<PortDescription> describedPorts();

} // namespace vrm
