// The report's HTML read back: every field with its caption and value, the
// short sheet of what differs from the factory configuration, the heading,
// page breaks and repeated table headings, and never the password.
#include <functional>
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "model/UiText.h"
#include "model/UiTranslation.h"
#include "report/ReportContent.h"
#include "report/ReportHtml.h"
#include "tests/report/ReportReading.h"

namespace vrm {
namespace {

using test::readReport;

const QByteArray kPassword = "Zq7x41";

QString htmlOf(const ConfigImage& image, bool changedOnly, ReportHeader header = {})
{
    if (!header.createdAt.isValid())
        header.createdAt = QDateTime(QDate(2026, 12, 11), QTime(9, 30));
    return reportHtml(buildReportContent(image, buildFactoryImage(), changedOnly), header);
}

// Every field a page edits; one that no page edits only where it is not the factory's.
void expectEveryField(const ConfigImage& image, const test::ReadReport& report)
{
    const ConfigImage factory = buildFactoryImage();
    int checked = 0;
    for (const FieldEntry& entry : mainBlockMap().fields) {
        if (entry.field->domain.secret)
            continue;
        const QString value = readableValue(image, entry);
        const bool expected = entry.page >= 0 || !sameValue(image, factory, entry);
        EXPECT_EQ(test::showsField(report, test::shownNameParts(entry), value), expected)
            << entry.name.toStdString() << " = " << value.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

class ReportHtml : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { installInterfaceLanguage(*QCoreApplication::instance(), QString::fromLatin1(GetParam())); }
    void TearDown() override { removeInterfaceLanguage(*QCoreApplication::instance()); }
};

TEST_P(ReportHtml, HoldsEveryFieldOfTheFactoryAndOfAChangedConfiguration)
{
    const ConfigImage factory = buildFactoryImage();
    const ConfigImage changed = test::imageWithEveryFieldChanged();
    for (const FieldEntry& entry : mainBlockMap().fields)
        ASSERT_FALSE(sameValue(factory, changed, entry)) << entry.name.toStdString();
    expectEveryField(factory, readReport(htmlOf(factory, false)));
    expectEveryField(changed, readReport(htmlOf(changed, false)));
    // Every field differs, so the short sheet holds them all too.
    expectEveryField(changed, readReport(htmlOf(changed, true)));
}

TEST_P(ReportHtml, HeadingNamesTheFileTheDateAndTheController)
{
    const ReportController controller{QStringLiteral("VRM530"), QStringLiteral("QT.01.02"),
                                      QStringLiteral("356938035643809"), QDateTime(QDate(2026, 12, 10), QTime(17, 5, 9)),
                                      false};
    const test::ReadReport report = readReport(htmlOf(
        buildFactoryImage(), false, {QStringLiteral("склад.cnt"), QDateTime(QDate(2026, 12, 11), QTime(9, 30)), controller}));
    EXPECT_EQ(report.title, reportTitle());
    ASSERT_EQ(report.headerTables.size(), 1);
    const QList<QStringList> expected{
        {Ui::tr("Файл"), QStringLiteral("склад.cnt")},
        {Ui::tr("Дата отчёта"), QStringLiteral("11.12.2026 09:30:00")},
        {Ui::tr("Устройство"), QStringLiteral("VRM530")},
        {Ui::tr("Версия ПО"), QStringLiteral("QT.01.02")},
        {QStringLiteral("IMEI"), QStringLiteral("356938035643809")},
        {Ui::tr("Считана из контроллера"), QStringLiteral("10.12.2026 17:05:09")},
    };
    QList<QStringList> shown{report.headerTables[0].columns};
    shown << report.headerTables[0].rows;
    EXPECT_EQ(shown, expected);

    // A file alone names no controller.
    const test::ReadReport fileOnly =
        readReport(htmlOf(buildFactoryImage(), false, {QStringLiteral("a.cnt"), QDateTime::currentDateTime(), {}}));
    EXPECT_FALSE(fileOnly.cellsInOrder.contains(QStringLiteral("IMEI")));
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportHtml, ::testing::Values("ru", "en"));

struct OneChange {
    const char* what;
    std::function<void(ConfigImage&)> change;
    const char* heading;  // the section, in Russian
    const char* rowTitle; // the row of a table, or nullptr for a list of fields
    const char* column;   // the table's column or the list's caption
};

TEST(ReportChanged, OneChangedFieldIsTheWholeSheet)
{
    const OneChange cases[] = {
        {"a name", [](ConfigImage& image) {
             image.setTextPadded(layout::inputs[2], layout::input::name, toCp1251(QStringLiteral("Дверь склада")));
         }, "Вход 3", nullptr, "Название входа"},
        {"a scheduler task", [](ConfigImage& image) {
             image.set(layout::clock::tasks(layout::clockBlock[0], 1), layout::task::hour, 17);
         }, "Часы, планировщик задач", "Задача 2", "Час"},
        {"a scenario step", [](ConfigImage& image) {
             image.set(layout::scenarios[4], layout::scenario::steps, 0x8000 | 250, 2);
         }, "Сценарий 1–14", "Сценарий 5", "Шаги 3"},
    };
    for (const OneChange& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigImage image = buildFactoryImage();
        c.change(image);
        const test::ReadReport report = readReport(htmlOf(image, true));
        EXPECT_EQ(report.title, Ui::tr("Конфигурация контроллера VRM530: отличия от заводской"));
        ASSERT_EQ(report.sections.size(), 1);
        EXPECT_EQ(report.sections[0].heading, QString::fromUtf8(c.heading));
        ASSERT_EQ(report.sections[0].tables.size(), 1);
        const test::ReadTable& table = report.sections[0].tables[0];
        ASSERT_EQ(table.rows.size(), 1);
        const FieldEntry* changed = nullptr;
        for (const FieldEntry& entry : mainBlockMap().fields)
            if (!sameValue(image, buildFactoryImage(), entry))
                changed = &entry;
        ASSERT_NE(changed, nullptr);
        const QString value = readableValue(image, *changed);
        if (c.rowTitle) {
            EXPECT_EQ(table.columns, (QStringList{QString(), QString::fromUtf8(c.column)}));
            EXPECT_EQ(table.rows[0], (QStringList{QString::fromUtf8(c.rowTitle), value}));
        } else {
            EXPECT_EQ(table.rows[0], (QStringList{QString::fromUtf8(c.column), value}));
        }
    }
}

TEST(ReportChanged, FactoryConfigurationSaysSo)
{
    const test::ReadReport report = readReport(htmlOf(buildFactoryImage(), true));
    EXPECT_TRUE(report.sections.isEmpty());
    EXPECT_TRUE(report.cellsInOrder.contains(Ui::tr("только поля, отличающиеся от заводской конфигурации")));
    EXPECT_TRUE(htmlOf(buildFactoryImage(), true).contains(Ui::tr("Конфигурация совпадает с заводской.")));
}

TEST(ReportLayout, GroupsStartPagesAndTablesRepeatTheirHeadings)
{
    const test::ReadReport report = readReport(htmlOf(buildFactoryImage(), false));
    QStringList headings, breaking;
    for (const test::ReadSection& section : report.sections) {
        headings << section.heading;
        if (section.breaksPageBefore)
            breaking << section.heading;
        for (const test::ReadTable& table : section.tables)
            EXPECT_EQ(table.headerRowCount, 1) << section.heading.toStdString();
    }
    // Tree order: connections before GPRS before the clock before the inputs.
    EXPECT_LT(headings.indexOf(QStringLiteral("Соединение 8")), headings.indexOf(QStringLiteral("Общие параметры GPRS")));
    EXPECT_LT(headings.indexOf(QStringLiteral("Сервер 3")), headings.indexOf(QStringLiteral("Часы, планировщик задач")));
    EXPECT_LT(headings.indexOf(QStringLiteral("Периметр 4")), headings.indexOf(QStringLiteral("Вход 1")));
    EXPECT_TRUE(breaking.contains(QStringLiteral("Соединение 1")));
    EXPECT_FALSE(breaking.contains(QStringLiteral("Соединение 2")));
    EXPECT_TRUE(breaking.contains(QStringLiteral("Вход 1")));
    EXPECT_FALSE(breaking.contains(headings.value(0)));
}

TEST(ReportPassword, NeverShown)
{
    ConfigImage image = test::imageWithEveryFieldChanged();
    test::setPassword(image, kPassword);
    for (bool changedOnly : {false, true}) {
        const QString html = htmlOf(image, changedOnly);
        EXPECT_FALSE(html.contains(QString::fromLatin1(kPassword)));
        EXPECT_FALSE(html.contains(translatedText(QStringLiteral("Административный пароль"))));
    }
}

} // namespace
} // namespace vrm
