#pragma once
// Conversion between the interface's Unicode text and the code page 1251
// bytes that the image and the files hold.

#include <QByteArray>
#include <QString>

namespace vrm {

QByteArray toCp1251(const QString& text);
QString fromCp1251(const QByteArray& bytes);

} // namespace vrm
