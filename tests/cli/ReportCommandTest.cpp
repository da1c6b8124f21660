// `vrm530-cli report`: a configuration file into a PDF or HTML report with no
// display at all, the short sheet of what differs from the factory
// configuration, the interface language, and the files it refuses.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/cli/CommandLineFixture.h"
#include "model/Cp1251.h"
#include "tests/report/ReportReading.h"

namespace vrm::test {
namespace {

class ReportCommand : public CommandLineTool {
protected:
    // Run with no display and no platform chosen, as on a server.
    Outcome report(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir_.path());
        process.start(QStringLiteral(VRM_CLI_EXECUTABLE), arguments);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    QByteArray contents(const QString& name)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }
};

TEST_F(ReportCommand, WritesAPdfWithoutADisplay)
{
    writeFile(QStringLiteral("site.cnt"), withInputName(toCp1251(QStringLiteral("Дверь склада"))));
    const Outcome outcome = report({QStringLiteral("report"), QStringLiteral("site.cnt"), QStringLiteral("-o"),
                                    QStringLiteral("site.pdf")});
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_TRUE(contents(QStringLiteral("site.pdf")).startsWith("%PDF-"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path(QStringLiteral("site.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(shown.contains(QStringLiteral("Дверь склада")));
    EXPECT_TRUE(shown.contains(QStringLiteral("site.cnt")));
}

TEST_F(ReportCommand, ChangedOnlyInEnglish)
{
    writeFile(QStringLiteral("site.cnt"), withInputName(toCp1251(QStringLiteral("Дверь склада"))));
    const Outcome outcome = report({QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("report"),
                                    QStringLiteral("site.cnt"), QStringLiteral("--changed"), QStringLiteral("-o"),
                                    QStringLiteral("short.html")});
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    const ReadReport shown = readReport(QString::fromUtf8(contents(QStringLiteral("short.html"))));
    ASSERT_EQ(shown.sections.size(), 1);
    EXPECT_EQ(shown.sections[0].heading, QStringLiteral("Input 1"));
    ASSERT_EQ(shown.sections[0].tables.size(), 1);
    EXPECT_EQ(shown.sections[0].tables[0].rows,
              (QList<QStringList>{{QStringLiteral("Input name"), QStringLiteral("\"Дверь склада\"")}}));
    EXPECT_TRUE(shown.title.contains(QStringLiteral("factory"))) << shown.title.toStdString();
}

TEST_F(ReportCommand, RefusesWhatItCannotWrite)
{
    writeFile(QStringLiteral("site.cnt"), buildFactoryImage());
    const struct {
        QStringList arguments;
        const char* unwritten;
    } cases[] = {
        {{"report", "site.cnt", "-o", "site.txt"}, "site.txt"},
        {{"report", "site.cnt"}, nullptr},
        {{"report", "missing.cnt", "-o", "a.pdf"}, "a.pdf"},
        {{"report", "site.cnt", "-o", "b.pdf", "--port", "pts/1"}, "b.pdf"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = report(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.arguments.join(u' ').toStdString();
        EXPECT_FALSE(outcome.err.isEmpty());
        if (c.unwritten) {
            EXPECT_FALSE(QFile::exists(path(QString::fromLatin1(c.unwritten))));
        }
    }
}

} // namespace
} // namespace vrm::test
