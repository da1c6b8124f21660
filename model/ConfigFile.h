#pragma once
// The configuration file (.cnt): a 35-byte header, the main block and a check byte.

#include <QIODevice>
#include <QString>

#include "model/ConfigImage.h"

namespace vrm {

enum class LoadResult {
    Loaded = 0,          // the main block holds the file's body
    CannotOpen = 1,      // the file could not be opened or read
    UnknownFormat = 2,   // foreign header, short body or wrong check byte
    VersionMismatch = 3, // our header prefix with another version
};

inline constexpr int kConfigFileSize = 35 + 5292 + 1;
inline constexpr char kHeaderPrefix[] = "[VRMControllerConfiguration_v";
inline constexpr char kFileVersion[] = "01.02";

// Clears the administrator password (offsets 20-28) of `image`, because a file
// never carries it, then writes header, main block and check byte. The target is
// replaced only by a complete file. Returns 0 on success, 1 on any failure.
int writeConfigFile(const QString& path, ConfigImage& image);

// Reads the file; only on LoadResult::Loaded does the main block of `image` change.
// Anything but a regular file (a FIFO, a device) is refused at once as CannotOpen.
LoadResult readConfigFile(const QString& path, ConfigImage& image);

// The same from an open device (a file, or bytes in memory through QBuffer);
// a read error is CannotOpen.
LoadResult readConfig(QIODevice& source, ConfigImage& image);

} // namespace vrm
