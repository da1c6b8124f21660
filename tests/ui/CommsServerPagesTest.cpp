// Pages 11-13: server address, address type and port.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "PageTestHost.h"
#include "ui/pages/comms/ServerPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {
struct ServerPage : PageFixture<ServerPages> {
    explicit ServerPage(int page = 11) : PageFixture(page) {}
    QLineEdit* address() { return control<QLineEdit>("MaskEditServerIPAddr"); }
    QLineEdit* port() { return control<QLineEdit>("MaskEditServerPort"); }
    std::size_t record() const { return 2940 + 44 * std::size_t(page - 11); }
};
} // namespace

TEST(CommsServerPages, PortsAreClampedAndStoredInTheirOwnRecord)
{
    struct Case {
        int page;
        QString typed;
        std::size_t offset;
        uint16_t stored;
    };
    const Case cases[] = {
        {11, "70000", 2976, 65535},
        {12, "8080", 3020, 8080},
        {13, "502", 3064, 502},
        {13, "", 3064, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        ServerPage page(c.page);
        const ConfigImage before = page.image();
        page.port()->setText(c.typed);
        page.store();
        EXPECT_EQ(page.image().word(c.offset), c.stored);
        for (std::size_t offset : changedOffsets(before, page.image()))
            EXPECT_TRUE(offset == c.offset || offset == c.offset + 1) << offset;
        page.show();
        EXPECT_EQ(page.port()->text(), QString::number(c.stored));
        EXPECT_EQ(page.control<QLabel>("Label140")->text(), QStringLiteral("Сервер %1").arg(c.page - 10));
    }
}

TEST(CommsServerPages, IpAddressIsStoredMostSignificantByteLast)
{
    ServerPage page;
    page.address()->setText("10.0.0.1");
    page.store();
    EXPECT_EQ(bytesAt(page.image(), 2940, 4), (std::vector<uint8_t>{1, 0, 0, 10}));
    page.show();
    EXPECT_EQ(page.address()->text(), "10.0.0.1");
}

TEST(CommsServerPages, DomainNameReplacedByAnIpAddressKeepsTheOldTail)
{
    ServerPage page(12);
    page.choose("ComboBoxDestType", ServerPages::kDomainName);
    EXPECT_TRUE(page.address()->text().isEmpty());
    page.address()->setText(QString(40, u'n')); // longer than the record holds
    page.control<QCheckBox>("CheckBoxServerEn")->setChecked(true);
    page.store();
    const std::size_t r = page.record();
    EXPECT_EQ(page.image().text(RecordAt<layout::server::Record>{r}, layout::server::domainName), QByteArray(33, 'n'));
    EXPECT_EQ(page.image().byte(r + 33), 0);
    EXPECT_EQ(page.image().byte(r + 38) & 1, 1);
    EXPECT_EQ(page.image().byte(r + 40), 0x91); // wait time bits kept

    page.choose("ComboBoxDestType", ServerPages::kIpAddress);
    EXPECT_EQ(page.address()->text(), "000.000.000.000");
    page.address()->setText("172.16.5.4");
    page.store();
    EXPECT_EQ(bytesAt(page.image(), r, 4), (std::vector<uint8_t>{4, 5, 16, 172}));
    EXPECT_EQ(bytesAt(page.image(), r + 4, 29), std::vector<uint8_t>(29, 'n'));
    EXPECT_EQ(page.image().byte(r + 38) & 1, 0);
    page.show();
    EXPECT_EQ(page.address()->text(), "172.16.5.4");
}

TEST(CommsServerPages, StoredDomainNameIsShownAfterTheTypeHandlerRan)
{
    ServerPage page(13);
    const std::size_t r = page.record();
    page.image().setTextTerminated(RecordAt<layout::server::Record>{r}, layout::server::domainName, "srv.example.org");
    page.image().setBits(r + 38, 0, 1, 1);
    page.show();
    EXPECT_EQ(page.control<QComboBox>("ComboBoxDestType")->currentIndex(), ServerPages::kDomainName);
    EXPECT_EQ(page.address()->text(), "srv.example.org");
}
