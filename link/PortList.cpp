#include "link/PortList.h"

#include <QSerialPortInfo>

namespace vrm {

QString PortDescription::label() const
{
    QStringList details;
    QString text = description.trimmed();
    if (text.isEmpty())
        text = manufacturer.trimmed();
    if (!text.isEmpty())
        details << text;
    if (hasUsbIdentity) {
        QString usb = QStringLiteral("USB %1:%2")
                          .arg(vendorId, 4, 16, QLatin1Char('0'))
                          .arg(productId, 4, 16, QLatin1Char('0'));
        if (!serialNumber.trimmed().isEmpty())
            usb += QStringLiteral(", S/N %1").arg(serialNumber.trimmed());
        details << QStringLiteral("(%1)").arg(usb);
    }
    if (details.isEmpty())
        return name;
    return name + QStringLiteral(" — ") + details.join(QLatin1Char(' '));
}

QList<PortDescription> describedPorts()
{
    QList<PortDescription> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortDescription port;
        port.name = info.portName();
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.serialNumber = info.serialNumber();
        port.hasUsbIdentity = info.hasVendorIdentifier() && info.hasProductIdentifier();
        port.vendorId = info.vendorIdentifier();
        port.productId = info.productIdentifier();
        ports << port;
    }
    return ports;
}

} // namespace vrm
