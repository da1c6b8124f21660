#pragma once
// Opening the tool's own files for reading without ever blocking on one that
// is not a file: a FIFO (or a device, a socket) named "default.cnt",
// "VRMConfig.cfg" or "lng.txt" would otherwise hang the open or the first read
// until some other process writes to it.

#include <QFile>
#include <QString>

namespace vrm {

// Opens `path` read-only into `file` when it names a regular file (a symbolic
// link to one counts). False for anything else, without waiting: the caller
// treats it as a file it cannot open.
bool openRegularFileForReading(QFile& file, const QString& path);

} // namespace vrm
