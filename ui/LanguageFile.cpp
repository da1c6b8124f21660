#include "ui/LanguageFile.h"

#include <QFile>
#include <QSaveFile>

#include "model/Cp1251.h"
#include "model/RegularFile.h"

namespace vrm {

namespace {

// A language file is a few kilobytes; a huge file is not one.
constexpr qint64 kMaximumSize = 1 << 20;

QStringList splitLines(const QString& text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalized.split(QLatin1Char('\n'));
    // The ending of the last line does not start another one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

std::optional<QStringList> readLanguageFile(const QString& path)
{
    QFile file;
    if (!openRegularFileForReading(file, path) || file.size() > kMaximumSize)
        return std::nullopt;
    const QStringList lines = splitLines(fromCp1251(file.readAll()));
    if (lines.size() != kLanguageFileLineCount || lines.first() != QLatin1String(kLanguageFileHeader))
        return std::nullopt;
    return lines;
}

bool writeLanguageFile(const QString& path, const QStringList& lines, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    for (const QString& line : lines)
        file.write(toCp1251(line) + "\r\n");
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace vrm
