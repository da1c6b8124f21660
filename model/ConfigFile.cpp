#include "model/ConfigFile.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>
#include <optional>

#include "model/RegularFile.h"

namespace vrm {

namespace {

constexpr int kHeaderSize = 35;
constexpr int kPrefixSize = 29;

QByteArray headerWithVersion(const QByteArray& version)
{
    return QByteArray(kHeaderPrefix) + version + "]";
}

} // namespace

int writeConfigFile(const QString& path, ConfigImage& image)
{
    image.setTextPadded(layout::commonBlock[0], layout::common::systemPassword, {});

    const auto versionBytes = image.bytes(layout::signatureBlock[0], layout::signature::versionNumber);
    const QByteArray header =
        headerWithVersion(QByteArray(reinterpret_cast<const char*>(versionBytes.data()), qsizetype(versionBytes.size())));
    const auto body = image.span(blocks::main);
    const char check = char(negatedXor(body));

    // Unbuffered, so that a short write (a full disk) shows in the returned
    // count: a buffered flush at commit can lose it and replace a good file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    bool ok = file.write(header) == kHeaderSize;
    ok = ok && file.write(reinterpret_cast<const char*>(body.data()), qint64(body.size())) == qint64(body.size());
    ok = ok && file.write(&check, 1) == 1;
    if (!ok) {
        file.cancelWriting();
        return 1;
    }
    return file.commit() ? 0 : 1;
}

LoadResult readConfigFile(const QString& path, ConfigImage& image)
{
    QFile file;
    if (!openRegularFileForReading(file, path))
        return LoadResult::CannotOpen;
    return readConfig(file, image);
}

LoadResult readConfig(QIODevice& source, ConfigImage& image)
{
    // Up to `count` bytes, fewer at the end; nothing when the device fails.
    auto readUpTo = [&source](qint64 count) -> std::optional<QByteArray> {
        QByteArray bytes(count, '\0');
        qint64 got = 0;
        while (got < count) {
            const qint64 n = source.read(bytes.data() + got, count - got);
            if (n < 0)
                return std::nullopt;
            if (n == 0)
                break;
            got += n;
        }
        bytes.truncate(got);
        return bytes;
    };

    // Header bytes that the file does not supply keep the placeholder: an empty
    // file thus matches the prefix and fails on the version.
    QByteArray header = headerWithVersion("--.--");
    const auto headRead = readUpTo(kHeaderSize);
    if (!headRead)
        return LoadResult::CannotOpen;
    header.replace(0, headRead->size(), *headRead);

    if (std::memcmp(header.constData(), kHeaderPrefix, kPrefixSize) != 0)
        return LoadResult::UnknownFormat;
    // Compared as text, as the header is: a NUL inside it ends the comparison.
    if (QByteArray(header.constData()) != headerWithVersion(kFileVersion))
        return LoadResult::VersionMismatch;

    const auto body = readUpTo(qint64(blocks::main.size));
    const auto check = body ? readUpTo(1) : std::nullopt;
    if (!body || !check)
        return LoadResult::CannotOpen;
    if (body->size() != qsizetype(blocks::main.size) || check->size() != 1)
        return LoadResult::UnknownFormat;
    const auto bodyBytes = std::span(reinterpret_cast<const uint8_t*>(body->constData()), std::size_t(body->size()));
    if (uint8_t(check->at(0)) != negatedXor(bodyBytes))
        return LoadResult::UnknownFormat;

    std::memcpy(image.data() + blocks::main.offset, body->constData(), blocks::main.size);
    return LoadResult::Loaded;
}

} // namespace vrm
