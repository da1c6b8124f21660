#include <gtest/gtest.h>

#include "ui/pages/io/perimeters/KeyPanel.h"

using namespace vrm;

namespace {

struct PanelFixture {
    QLabel pageDescription;
    KeyPanel panel{{"Ключ с кодом: ", ", уже внесен в таблицу", "Вся память использована"}, &pageDescription};
};

} // namespace

TEST(PerimeterKeyPanel, ReadKeyLandsInTheGridAndLightsTheTitles)
{
    PanelFixture f;
    f.pageDescription.setText("old");
    f.panel.keyPolled(KeyPanel::Poll::KeyRead, "0123456789ABCDEF");
    EXPECT_EQ(f.panel.grid()->rows()[0].code, "0123456789ABCDEF");
    EXPECT_TRUE(f.pageDescription.text().isEmpty());
    EXPECT_TRUE(f.panel.title()->property("keyRead").toBool());
    EXPECT_EQ(f.panel.title()->palette().color(QPalette::Window), QColor(255, 0, 0));

    f.panel.keyPolled(KeyPanel::Poll::KeyRead, "0123456789ABCDEF");
    EXPECT_EQ(f.pageDescription.text(), "Ключ с кодом: 0123456789ABCDEF, уже внесен в таблицу");
    EXPECT_TRUE(f.panel.grid()->rows()[1].code.trimmed().isEmpty());

    f.panel.keyPolled(KeyPanel::Poll::NoKey, {});
    EXPECT_FALSE(f.panel.title()->property("keyRead").toBool());
    EXPECT_FALSE(f.panel.readerTitle()->property("keyRead").toBool());
}

TEST(PerimeterKeyPanel, FullTableAndRefusedPassword)
{
    PanelFixture f;
    QList<TouchKeyRow> rows(kTouchKeyCount, emptyTouchKeyRow());
    for (int i = 0; i < kTouchKeyCount; ++i)
        rows[i].code = QStringLiteral("%1").arg(i + 1, 16, 10, QLatin1Char('0'));
    f.panel.grid()->setRows(rows);
    f.panel.keyPolled(KeyPanel::Poll::KeyRead, "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(f.pageDescription.text(), "Вся память использована");
    EXPECT_EQ(f.panel.grid()->rows(), rows);

    f.panel.keyPolled(KeyPanel::Poll::PasswordRefused, {});
    const QString refused = "Взаимодействие запрещено без указания пароля, программа не сможет получить код ключа";
    EXPECT_EQ(f.pageDescription.text(), refused);
    EXPECT_EQ(f.panel.description()->text(), refused);

    f.panel.keyPolled(KeyPanel::Poll::QueryFailed, {}); // leaves the page as it was
    EXPECT_EQ(f.pageDescription.text(), refused);
}

// The titles take their parent's colour once the password went through, before
// the key query: a query that then fails leaves no red of a key shown earlier.
TEST(PerimeterKeyPanel, TitlesLoseTheirRedWhenTheKeyQueryFails)
{
    PanelFixture f;
    f.panel.keyPolled(KeyPanel::Poll::KeyRead, "0123456789ABCDEF");
    ASSERT_TRUE(f.panel.title()->property("keyRead").toBool());
    f.panel.keyPolled(KeyPanel::Poll::QueryFailed, {});
    for (QLabel* title : {f.panel.title(), f.panel.readerTitle()}) {
        EXPECT_FALSE(title->property("keyRead").toBool());
        EXPECT_NE(title->palette().color(QPalette::Window), QColor(255, 0, 0));
    }
    EXPECT_EQ(f.panel.grid()->rows()[0].code, "0123456789ABCDEF"); // the table keeps the key
}
