// The page kit's bindings on a record of their own: every binder stores what
// its control holds, shows it back, keeps the bits it does not own, and runs
// in bind order.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "ui/pages/kit/Bindings.h"
#include "ui/pages/kit/CachedHeightLabel.h"
#include "ui/pages/kit/CachedPicture.h"
#include "ui/pages/kit/Widgets.h"
#include "tests/ui/PageTestHost.h"

using namespace vrm;
using namespace vrm::kit;

namespace kitTest {
inline constexpr ItemText kLetters[] = {"a", "b", "c", "d", "e"};
inline constexpr ItemText kActions[] = {"none", "on", "off"};
inline constexpr ItemText kParts[] = {"x", "y", "z"};
namespace lists {
inline constexpr ItemList letters = items::literals(kLetters);
inline constexpr ItemList actions = items::literals(kActions).replacedBy("actions");
inline constexpr ItemList parts = items::literals(kParts);
// 5, 4, 3 ... -2 degrees: the stored value falls as the item index grows.
inline constexpr ItemList degrees = items::numbers(items::run(5, -1, 8, " °"));
} // namespace lists
struct Record {
    static constexpr std::size_t size = 40;
    static constexpr std::string_view title = "Проба";
};
namespace sub {
struct Record {
    static constexpr std::size_t size = 2;
    static constexpr std::string_view title = "Часть %1";
};
#define KIT_TEST_SUB_FIELDS(F) F(word, u16(0), "Слово", list(lists::parts))
VRM_DECLARE_FIELDS(KIT_TEST_SUB_FIELDS)
#undef KIT_TEST_SUB_FIELDS
} // namespace sub
#define KIT_TEST_FIELDS(F)                          \
    F(index, bits(0, 2, 3), "Индекс", list(lists::letters, 1)) \
    F(flag, bits(0, 7, 1), "Флажок")                \
    F(link, bits(1, 0, 2, 4), "Связь")              \
    F(name, text(2, 9), "Имя")                      \
    F(count, u16(12), "Число", range(0, 1000, 7))   \
    F(address, ipv4(14), "Адрес")                   \
    F(value, real(18), "Значение")                  \
    F(actions, u8(22, 7), "Действия", list(lists::actions)) \
    F(level, u8(29), "Уровень", range(0, 200))      \
    F(parts, records<sub::Record>(30, 3), "Части")  \
    F(temperature, i8(39), "Температура", list(lists::degrees, 5, -1))
VRM_DECLARE_FIELDS(KIT_TEST_FIELDS)
#undef KIT_TEST_FIELDS
} // namespace kitTest

namespace {
namespace k = kitTest;
constexpr RecordAt<k::Record> kAt{100};

struct KitPage {
    Bindings<k::Record> fields;
    QComboBox* index = fields.combo(k::index, "Index");
    QCheckBox* flag = fields.check(k::flag, "Flag", "flag");
    QCheckBox* link = fields.triState(k::link, "Link", "link", 2);
    QLineEdit* name = fields.text(k::name, "Name", 8);
    QLineEdit* count = fields.number(k::count, "Count");
    QLineEdit* address = fields.ipv4(k::address, "Address");
    QLineEdit* value = fields.real(k::value, "Value", 10);
    std::array<QComboBox*, 7> actions = fields.actionRow(k::actions, "Action");
    QSlider* level = fields.trackBar(k::level, "Level");
    QComboBox* part = fields.sub(k::parts, 2).combo(k::sub::word, "Part");
    QComboBox* temperature = fields.combo(k::temperature, "Temperature");
};
} // namespace

TEST(PageKit, EveryBinderStoresAndShowsItsFieldAndNothingElse)
{
    ConfigImage image;
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i)
        image.setByte(i, 0xA5); // carried bytes must survive
    const ConfigImage before = image;
    KitPage page;
    page.index->setCurrentIndex(2);
    page.flag->setChecked(false);
    page.link->setCheckState(Qt::PartiallyChecked);
    page.name->setText(QStringLiteral("Дверь"));
    page.count->setText(QStringLiteral(" -5 ")); // clamped, and the trimmed text stays
    page.address->setText(QStringLiteral("10.0.0.1"));
    page.value->setText(QStringLiteral("5,5"));
    page.actions[6]->setCurrentIndex(2);
    for (int k = 0; k < 6; ++k)
        page.actions[std::size_t(k)]->setCurrentIndex(0);
    page.level->setValue(150);
    page.part->setCurrentIndex(1);
    page.temperature->setCurrentIndex(7);
    page.fields.store(image, kAt);

    EXPECT_EQ(image.get(kAt, k::index), 3u);
    EXPECT_EQ(image.byte(100) & 0b0110'0011, 0xA5 & 0b0110'0011) << "bits the record does not own";
    EXPECT_EQ(image.get(kAt, k::flag), 0u);
    EXPECT_EQ(image.get(kAt, k::link, 2), 1u);
    EXPECT_EQ(image.get(kAt, k::link, 1), 0xA5u >> 2 & 3) << "the other links keep their bits";
    EXPECT_EQ(image.text(kAt, k::name), toCp1251(QStringLiteral("Дверь")));
    EXPECT_EQ(image.get(kAt, k::count), 0u);
    EXPECT_EQ(page.count->text(), QStringLiteral("-5"));
    EXPECT_EQ(image.get(kAt, k::address), 0x0A000001u);
    EXPECT_FLOAT_EQ(image.real(kAt, k::value), 5.5f);
    EXPECT_EQ(image.get(kAt, k::actions, 6), 2u);
    EXPECT_EQ(image.get(kAt, k::level), 150u);
    EXPECT_EQ(image.get(k::parts(kAt, 2), k::sub::word), 1u);
    EXPECT_EQ(image.get(k::parts(kAt, 1), k::sub::word), 0xA5A5u);
    EXPECT_EQ(image.getSigned(kAt, k::temperature), -2);
    for (std::size_t i = 0; i < ConfigImage::kSize; ++i) {
        if (i < 100 || i >= 140) {
            ASSERT_EQ(image.byte(i), before.byte(i)) << "outside the record at " << i;
        }
    }

    KitPage shown;
    shown.fields.show(image, kAt);
    EXPECT_EQ(shown.index->currentIndex(), 2);
    EXPECT_FALSE(shown.flag->isChecked());
    EXPECT_EQ(shown.link->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(shown.name->text(), QStringLiteral("Дверь"));
    EXPECT_EQ(shown.count->text(), QStringLiteral("0"));
    EXPECT_EQ(shown.address->text(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(shown.value->text(), QStringLiteral("5.5"));
    EXPECT_EQ(shown.actions[6]->currentIndex(), 2);
    EXPECT_EQ(shown.level->value(), 150);
    EXPECT_EQ(shown.part->currentIndex(), 1);
    EXPECT_EQ(shown.temperature->currentIndex(), 7);
    EXPECT_EQ(shown.temperature->itemText(7), QStringLiteral("-2 °"));
}

// A box offers its field's declared items; a list the declaration lets the
// window replace comes from the host, as a language file left it.
TEST(PageKit, BoxesOfferTheDeclaredItemsOrTheHostsList)
{
    KitPage page;
    EXPECT_EQ(page.index->count(), 5);
    EXPECT_EQ(page.index->itemText(4), QStringLiteral("e"));
    EXPECT_EQ(page.actions[0]->itemText(2), QStringLiteral("off"));

    struct Host : test::PageTestHost {
        QStringList textList(const QString& name) const override
        {
            return name == QStringLiteral("actions") ? QStringList{"нет", "вкл", "выкл", "сценарий"} : QStringList{};
        }
    } host;
    Bindings<k::Record> fields(&host);
    QComboBox* action = fields.combo(k::actions, "Action", 3);
    QComboBox* index = fields.combo(k::index, "Index");
    EXPECT_EQ(action->count(), 4);
    EXPECT_EQ(action->itemText(1), QStringLiteral("вкл"));
    EXPECT_EQ(page.level->maximum(), 200); // a track bar spans the declared range
    EXPECT_EQ(index->itemText(0), QStringLiteral("a"));
}

TEST(PageKit, AValueWithoutItemShowsNoSelectionAndSurvivesAStore)
{
    ConfigImage image;
    image.set(kAt, k::index, 7);   // index 6: the box has five items
    image.set(kAt, k::count, 0);   // below the offset of 1
    KitPage page;
    page.fields.show(image, kAt);
    EXPECT_EQ(page.index->currentIndex(), -1);
    image.set(kAt, k::index, 7);
    page.fields.store(image, kAt);
    EXPECT_EQ(image.get(kAt, k::index), 7u);
    EXPECT_EQ(page.count->text(), QStringLiteral("0"));
}

TEST(PageKit, StepsRunInBindOrder)
{
    std::vector<int> order;
    Bindings<k::Record> fields;
    for (int n = 0; n < 3; ++n)
        fields.add([&order, n](ConfigImage&, RecordAt<k::Record>) { order.push_back(n); },
                   [&order, n](const ConfigImage&, RecordAt<k::Record>) { order.push_back(10 + n); });
    ConfigImage image;
    fields.store(image, kAt);
    fields.show(image, kAt);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 10, 11, 12}));
}

TEST(PageKit, UnreadableNumbersTakeTheirFallback)
{
    ConfigImage image;
    KitPage page;
    page.count->setText(QStringLiteral("abc"));
    page.value->setText(QStringLiteral("x1"));
    page.fields.store(image, kAt);
    EXPECT_EQ(image.get(kAt, k::count), 7u);
    EXPECT_EQ(image.real(kAt, k::value), 0.0f);
}

TEST(PageKit, SetItemsReplacesAListOnlyWhenItDiffers)
{
    const QStringList items{QStringLiteral("Реле 1"), QStringLiteral("Реле 2"), QStringLiteral("Выход 1")};
    struct Case {
        const char* name;
        QStringList before;
        QStringList after;
        bool replaced;
    };
    const Case cases[] = {
        {"empty box", {}, items, true},
        {"same items", items, items, false},
        {"one text differs", {QStringLiteral("Реле 1"), QStringLiteral("Реле 2"), QStringLiteral("Выход 2")}, items,
         true},
        {"shorter list", items, items.mid(0, 2), true},
        {"emptied", items, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QComboBox box;
        box.addItems(c.before);
        box.setCurrentIndex(int(c.before.size()) - 1);
        QSignalSpy resets(box.model(), &QAbstractItemModel::rowsRemoved);
        setItems(&box, c.after);
        ASSERT_EQ(box.count(), c.after.size());
        for (int i = 0; i < box.count(); ++i)
            EXPECT_EQ(box.itemText(i), c.after[i]);
        // As clearing and refilling would leave it: the first item selected.
        EXPECT_EQ(box.currentIndex(), c.after.isEmpty() ? -1 : 0);
        EXPECT_EQ(resets.isEmpty(), !c.replaced || c.before.isEmpty());
    }
}

TEST(PageKit, ACachedHeightLabelAnswersAsAPlainOneAndFollowsItsText)
{
    const QString shortText = QStringLiteral("Баланс");
    const QString longText = QStringLiteral("Баланс лицевого счета: 152.40 руб., пакет минут до 31.12, интернет 2 Гб");
    CachedHeightLabel cached;
    QLabel plain;
    for (QLabel* label : {static_cast<QLabel*>(&cached), &plain}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    // Each step changes one thing the height depends on; the cached label
    // must follow every one of them.
    const auto expectSame = [&](int width, const char* step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(cached.heightForWidth(width), plain.heightForWidth(width));
        EXPECT_EQ(cached.heightForWidth(width), plain.heightForWidth(width)); // asked again: the kept answer
    };
    for (QLabel* label : {static_cast<QLabel*>(&cached), &plain})
        label->setText(longText);
    expectSame(400, "long text");
    expectSame(120, "narrower");
    for (QLabel* label : {static_cast<QLabel*>(&cached), &plain})
        label->setText(shortText);
    expectSame(120, "short text at the same width");
    QFont big = plain.font();
    big.setPointSizeF(big.pointSizeF() * 2);
    for (QLabel* label : {static_cast<QLabel*>(&cached), &plain}) {
        label->setText(longText);
        label->setFont(big);
    }
    expectSame(120, "bigger font");
    for (QLabel* label : {static_cast<QLabel*>(&cached), &plain})
        label->setMargin(10);
    expectSame(120, "margin");
    EXPECT_GT(cached.heightForWidth(120), cached.heightForWidth(600)) << "the long text wraps at 120";
}

namespace {
// A picture that fills itself with one colour and counts its drawings.
class CountingPicture : public CachedPicture {
public:
    mutable int drawings = 0;
    mutable QSize drawnAt;

protected:
    void draw(QPainter& painter, const QSize& size) const override
    {
        ++drawings;
        drawnAt = size;
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::darkGreen);
    }
};
} // namespace

TEST(PageKit, ACachedPictureIsDrawnOncePerSizeAndAnewAfterAPaletteChange)
{
    CountingPicture picture;
    picture.resize(200, 100);
    QImage shown = picture.grab().toImage();
    EXPECT_EQ(picture.drawings, 1);
    EXPECT_EQ(shown.pixelColor(199, 99), QColor(Qt::darkGreen));
    picture.grab();
    EXPECT_EQ(picture.drawings, 1) << "the same size: copied, not drawn";
    picture.resize(300, 150);
    shown = picture.grab().toImage();
    EXPECT_EQ(picture.drawings, 2);
    EXPECT_EQ(picture.drawnAt, QSize(300, 150));
    EXPECT_EQ(shown.pixelColor(299, 149), QColor(Qt::darkGreen)) << "drawn over the whole new size";
    QPalette palette = picture.palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    picture.setPalette(palette);
    picture.grab();
    EXPECT_EQ(picture.drawings, 3);
}
