#pragma once
// The sub-commands of vrm530-cli. Each returns the exit status: 0 success or
// equal, 1 different (compare, diff), 2 a device or file error, whose text
// went to standard error.

#include <QString>

namespace vrm::cli {

enum ExitStatus : int { Success = 0, Different = 1, Failure = 2 };

int listPorts();
int identify(const QString& port);
int readToFile(const QString& port, const QString& path);
int programFromFile(const QString& port, const QString& path, bool clearModes);
int compareWithFile(const QString& port, const QString& path);
int diffFiles(const QString& first, const QString& second);
int exportToText(const QString& path, const QString& output);
int importFromText(const QString& path, const QString& output);
int showStatus(const QString& port, bool watch, bool json);
// The file's report into `output` (.pdf or .html); with `changedOnly` only the
// fields that differ from the factory configuration.
int reportFromFile(const QString& path, const QString& output, bool changedOnly);

} // namespace vrm::cli
