// The port settings reader fed from memory. Rules: a name comes back exactly
// when the 24 bytes are header, a name field and the trailer, the name is the
// field up to its first NUL, and it names a port; a name read is one that the
// writer writes back to the same bytes.

#include <QTemporaryDir>
#include <cstring>

#include "FuzzCheck.h"
#include "link/PortSettingsFile.h"

using namespace vrm;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> name = parsePortSettings(bytes);

    const bool framed = size >= 24 && std::memcmp(data, "[VRMProgCfg]", 12) == 0
                     && std::memcmp(data + 20, "\x86\x42\xB8\x20", 4) == 0;
    if (!framed) {
        FUZZ_CHECK(!name);
        return 0;
    }
    const QByteArray field = bytes.mid(12, 8);
    const QString expected = QString::fromLatin1(field.left(field.indexOf('\0') < 0 ? 8 : field.indexOf('\0')));
    FUZZ_CHECK(name.has_value() == isAcceptablePortName(expected));
    if (!name)
        return 0;
    FUZZ_CHECK(*name == expected);

    // Written back (when it fits), the file holds the same 24 bytes but for the NUL padding.
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VRMConfig.cfg"));
    if (writePortSettings(path, *name)) {
        FUZZ_CHECK(readPortSettings(path) == name);
    } else {
        FUZZ_CHECK(name->size() > 7 || !std::all_of(name->begin(), name->end(), [](QChar c) {
            return c.unicode() > 0 && c.unicode() <= 0x7F;
        }));
    }
    return 0;
}
