// The whole configuration through the window into a controller: every settings
// page 1-46 is given non-factory values through its controls, every page is
// visited again, and Program puts exactly that configuration into vrm530-sim.
#include "e2e/EndToEndFixture.h"
#include "model/Layout.h"
#include "tests/ui/EveryPageChanges.h"

using namespace vrm;
using namespace vrm::test;

namespace {

constexpr int kLastPage = 46;

// Records of pages 1-46 in which no byte differs from the factory image.
QStringList unchangedRecords(const QByteArray& main)
{
    const QByteArray factory = factoryMain();
    QStringList unchanged;
    for (const layout::Placement& p : layout::placements()) {
        if (p.firstPage < 1 || p.firstPage > kLastPage || p.end() > std::size_t(kMainSize))
            continue;
        for (std::size_t i = 0; i < p.count; ++i) {
            const qsizetype at = qsizetype(p.base + i * p.record->size), size = qsizetype(p.record->size);
            if (main.mid(at, size) == factory.mid(at, size))
                unchanged << QStringLiteral("%1[%2]").arg(QString::fromLatin1(p.name.data(), qsizetype(p.name.size())))
                                 .arg(i);
        }
    }
    return unchanged;
}

} // namespace

TEST_F(EndToEnd, EveryPageWithNonFactoryValuesIsProgrammedByteForByte)
{
    start();
    waitUntilReady(*form_);
    ASSERT_FALSE(HasFatalFailure());
    for (int page = 1; page <= kLastPage; ++page) {
        SCOPED_TRACE(page);
        clickPage(*form_, page);
        ASSERT_FALSE(HasFatalFailure());
        changeAnyPage(*form_);
    }
    clickPage(*form_, 0);
    const QByteArray expected = imageMain();
    EXPECT_EQ(unchangedRecords(expected), QStringList());

    // Showing and storing every page again changes nothing.
    for (int page = kLastPage; page >= 1; --page) {
        SCOPED_TRACE(page);
        clickPage(*form_, page);
        ASSERT_FALSE(HasFatalFailure());
    }
    clickPage(*form_, 0);
    ASSERT_EQ(imageMain(), expected);

    ModalScript script;
    trigger("Programm");
    EXPECT_EQ(script.unexpected, 0);
    EXPECT_EQ(actionText(), QStringLiteral("Перезагрузка устройства инициированна"));
    const QByteArray stored = storedMainArea();
    ASSERT_EQ(stored.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        ASSERT_EQ(uint8_t(stored[i]), uint8_t(expected[i])) << "first different byte at offset " << i;
}
