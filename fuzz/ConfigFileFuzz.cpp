// The ".cnt" reader fed from memory. Rules: the result is one of the four
// codes and agrees with what the bytes are; only a load changes the image,
// and then exactly its main block, to the file's body.

#include <QBuffer>
#include <cstring>

#include "FuzzCheck.h"
#include "model/ConfigFile.h"
#include "model/FactoryImage.h"

using namespace vrm;

namespace {

// What the bytes must give, worked out on its own from the file layout.
LoadResult expectedResult(const uint8_t* data, size_t size)
{
    char header[36] = "[VRMControllerConfiguration_v--.--]";
    // An empty input may come as a null pointer, which memcpy must not be given.
    if (size > 0)
        std::memcpy(header, data, std::min<size_t>(size, 35));
    if (std::memcmp(header, "[VRMControllerConfiguration_v", 29) != 0)
        return LoadResult::UnknownFormat;
    if (std::strcmp(header, "[VRMControllerConfiguration_v01.02]") != 0)
        return LoadResult::VersionMismatch;
    if (size < size_t(kConfigFileSize))
        return LoadResult::UnknownFormat;
    uint8_t x = 0;
    for (size_t i = 35; i < 35 + 5292; ++i)
        x ^= data[i];
    return uint8_t(0x100 - x) == data[35 + 5292] ? LoadResult::Loaded : LoadResult::UnknownFormat;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const ConfigImage factory = buildFactoryImage();
    ConfigImage image = factory;
    image.setByte(6000, 0xA5); // outside the main block: must never move

    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const LoadResult result = readConfig(buffer, image);

    FUZZ_CHECK(int(result) >= 0 && int(result) <= 3);
    FUZZ_CHECK(result == expectedResult(data, size));
    if (result != LoadResult::Loaded) {
        image.setByte(6000, factory.byte(6000));
        FUZZ_CHECK(image == factory);
        return 0;
    }
    FUZZ_CHECK(std::memcmp(image.data(), data + 35, 5292) == 0);
    FUZZ_CHECK(image.byte(6000) == 0xA5);
    FUZZ_CHECK(std::memcmp(image.data() + 5292, factory.data() + 5292, 6000 - 5292) == 0);
    return 0;
}
