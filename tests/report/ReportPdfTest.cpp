// The report as a PDF: a valid A4 document whose text, extracted as a reader's
// tool extracts it, holds every heading and cell of the HTML report in order,
// in Russian and English, and never the administrator password.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "model/UiText.h"
#include "model/UiTranslation.h"
#include "report/ReportContent.h"
#include "report/ReportHtml.h"
#include "report/ReportOutput.h"
#include "tests/report/ReportReading.h"

namespace vrm {
namespace {

QString run(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    EXPECT_FALSE(path.isEmpty()) << program.toStdString() << " (poppler-utils) is missing";
    QProcess process;
    process.start(path, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ReportPdf : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { installInterfaceLanguage(*QCoreApplication::instance(), QString::fromLatin1(GetParam())); }
    void TearDown() override { removeInterfaceLanguage(*QCoreApplication::instance()); }
    QTemporaryDir dir_;
};

TEST_P(ReportPdf, TextHoldsEveryCaptionAndValueOfTheHtml)
{
    ConfigImage image = test::imageWithEveryFieldChanged();
    const QByteArray password = "Pw9381";
    test::setPassword(image, password);
    const QString html = reportHtml(buildReportContent(image, buildFactoryImage(), false),
                                    {QStringLiteral("rich.cnt"), QDateTime::currentDateTime(), {}});
    const QString pdf = dir_.filePath(QStringLiteral("rich.pdf"));
    QString error;
    ASSERT_TRUE(writeReport(pdf, html, error)) << error.toStdString();

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    // Row by row in the order of the HTML, each cell word by word from where its row
    // starts: the cells of a row that a page break splits share their lines, with
    // the page number and the repeated heading row between.
    const QStringList words = run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                                                QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
                                  .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const test::ReadReport report = test::readReport(html);
    ASSERT_GT(report.cellsInOrder.size(), 1000);
    // Rows begin in order; a row's cells may share lines with the next row's, so
    // the next row is looked for from just after where this one begins.
    qsizetype rowStart = 0;
    for (const QStringList& row : report.rowsInOrder) {
        qsizetype rowBegins = -1;
        for (const QString& cell : row) {
            qsizetype at = rowStart;
            for (const QString& word : cell.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                const qsizetype found = words.indexOf(word, at);
                ASSERT_GE(found, 0) << "\"" << word.toStdString() << "\" of \"" << cell.toStdString()
                                    << "\" not found after word " << at;
                rowBegins = rowBegins < 0 ? found : std::min(rowBegins, found);
                at = found + 1;
            }
        }
        if (rowBegins >= 0)
            rowStart = rowBegins + 1;
    }
    const QString text = words.join(u' ');
    EXPECT_FALSE(text.contains(QString::fromLatin1(password)));
    EXPECT_FALSE(bytes.contains(password));
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportPdf, ::testing::Values("ru", "en"));

TEST(ReportFile, FormatFollowsTheExtension)
{
    QTemporaryDir dir;
    const QString html = reportHtml(buildReportContent(buildFactoryImage(), buildFactoryImage(), false),
                                    {{}, QDateTime::currentDateTime(), {}});
    QString error;
    ASSERT_TRUE(writeReport(dir.filePath(QStringLiteral("a.HTML")), html, error));
    QFile written(dir.filePath(QStringLiteral("a.HTML")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readAll()), html);

    EXPECT_FALSE(writeReport(dir.filePath(QStringLiteral("a.txt")), html, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.txt"))));
    EXPECT_FALSE(writeReport(dir.filePath(QStringLiteral("missing/a.pdf")), html, error));
}

} // namespace
} // namespace vrm
