#pragma once
// Start-up care of the files the tool keeps in its working folder
// ("default.cnt", "VRMConfig.cfg"): nothing a user may still need is lost
// when the tool writes them again on closing, and nothing of an interrupted
// save lies around for ever.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vrm {

// Renames the file at `path`, which did not load, to
// "<path>.damaged-<yyyyMMdd-hhmmss>" (a number added if that name is taken),
// so that the next write does not replace it. Only a non-empty regular file
// is kept. Returns the new path, or an empty text when nothing was kept.
QString keepDamagedFile(const QString& path, const QDateTime& now = QDateTime::currentDateTime());

// Removes "<fileName>.XXXXXX" files in `folder` (six letters or digits: the
// temporary name of a save that was interrupted before its rename) whose
// bytes are as far as they go what the tool writes there, beginning with
// `header`. Anything else of that name is left alone. Returns the count removed.
int removeInterruptedSaves(const QString& folder, const QString& fileName, const QByteArray& header);

} // namespace vrm
