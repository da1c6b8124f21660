// --version of the three programs: the program's name and the project's one
// version, then the firmware the tool supports; the window's program answers
// without a display.
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "session/IdentityRecord.h"
#include "session/ProgramVersion.h"

using namespace vrm;

namespace {

struct Printed {
    int status = -1;
    QStringList lines;
};

Printed versionOf(const QString& program, const QStringList& extra = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display at all: not even the offscreen platform the test suites use.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(program, QStringList{QStringLiteral("--version")} + extra);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)};
}

} // namespace

TEST(ProgramVersion, TheThreeProgramsPrintTheProjectVersionAndTheSupportedFirmware)
{
    const QString firmware = identity::supportedFirmware().join(QStringLiteral(", "));
    ASSERT_EQ(identity::supportedFirmware().size(), 4);
    const struct {
        QString executable;
        QString name;
        QStringList extra;
        QString secondLine;
    } programs[] = {
        {QStringLiteral(VRM_CLI_EXECUTABLE),
         QStringLiteral("vrm530-cli"),
         {},
         QStringLiteral("Поддерживаемые версии устройства: ") + firmware},
        {QStringLiteral(VRM_CLI_EXECUTABLE),
         QStringLiteral("vrm530-cli"),
         {QStringLiteral("--language=en")},
         QStringLiteral("Supported device versions: ") + firmware},
        {QStringLiteral(VRM_CONFIG_EXECUTABLE),
         QStringLiteral("vrm530-config"),
         {},
         QStringLiteral("Поддерживаемые версии устройства: ") + firmware},
        {QStringLiteral(VRM_CONFIG_EXECUTABLE),
         QStringLiteral("vrm530-config"),
         {QStringLiteral("--language"), QStringLiteral("en")},
         QStringLiteral("Supported device versions: ") + firmware},
        {QStringLiteral(VRM_SIM_EXECUTABLE),
         QStringLiteral("vrm530-sim"),
         {},
         QStringLiteral("Supported device versions: ") + firmware},
    };
    for (const auto& p : programs) {
        const Printed printed = versionOf(p.executable, p.extra);
        EXPECT_EQ(printed.status, 0) << p.name.toStdString();
        ASSERT_EQ(printed.lines.size(), 2) << p.name.toStdString() << ": " << printed.lines.join(u'|').toStdString();
        EXPECT_EQ(printed.lines[0], p.name + u' ' + projectVersion());
        EXPECT_EQ(printed.lines[1], p.secondLine) << p.name.toStdString();
    }
    // Major.minor.patch, as the package's version.
    EXPECT_TRUE(projectVersion().contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))));
}
