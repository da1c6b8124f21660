#pragma once
// The language file "lng.txt": 413 lines of code page 1251 text, one text per
// line, line 1 the fixed header. A file that is missing, is not a regular file,
// has another number of lines or another header is not a language file at all:
// it changes nothing and is not reported.

#include <QString>
#include <QStringList>
#include <optional>

namespace vrm {

inline constexpr int kLanguageFileLineCount = 413;
inline constexpr char kLanguageFileName[] = "lng.txt";
inline constexpr char kLanguageFileHeader[] = "// VRM Language file - do not change this line!";

// The file's lines, line 1 at index 0 (CR LF, LF or a lone CR end a line; a
// final line needs no ending), or nothing when it is not a language file.
std::optional<QStringList> readLanguageFile(const QString& path);

// Writes `lines` (line 1 at index 0) with CR LF endings in code page 1251.
bool writeLanguageFile(const QString& path, const QStringList& lines, QString* error);

} // namespace vrm
