// The window's comparison with a file reads the field declarations: it builds
// no page to name the values, and it lists what the command-line tool's diff
// prints for the same pair of files.
#include <QProcess>
#include <QTreeWidget>

#include "model/ConfigFile.h"
#include "model/Cp1251.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/FieldCompareActions.h"
#include "ui/FieldDifferencesWindow.h"
#include "ui/TForm1.h"
#include "ui/pages/DeferredPageGroup.h"

using namespace vrm;
using namespace vrm::test;

namespace {

int builtPageGroups(const TForm1& window)
{
    QSet<const DeferredPageGroup*> built;
    for (int page = 0; page < PageTree::kPageCount; ++page)
        if (auto* group = dynamic_cast<const DeferredPageGroup*>(window.pageGroup(page)); group && group->built())
            built.insert(group);
    return int(built.size());
}

QStringList cliDiff(const QString& a, const QString& b)
{
    QProcess process;
    process.start(QStringLiteral(VRM_CLI_EXECUTABLE), {QStringLiteral("diff"), a, b});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(FieldCompareWindow, CompareBuildsNoPageAndListsWhatTheToolPrints)
{
    WorkingFolder folder;
    TForm1 window;
    ConfigImage other = window.image();
    other.set(layout::inputs[1], layout::input::sensorType, layout::input::kTypeTs42);
    other.set(layout::inputs[1], layout::input::recoveryTime, 9);
    other.set(layout::inputs[1], layout::input::activationActions, 5, 1);
    other.set(layout::connections[2], layout::connection::incomingCallOutput, 4);
    other.setSigned(layout::clockBlock[0], layout::clock::timeZone, 5);
    other.setTextPadded(layout::outputs[0], layout::output::name, toCp1251(QStringLiteral("Сирена")));
    const QString own = folder.file(QStringLiteral("own.cnt"));
    const QString file = folder.file(QStringLiteral("other.cnt"));
    ASSERT_EQ(writeConfigFile(own, window.image()), 0);
    ASSERT_EQ(writeConfigFile(file, other), 0);

    const int builtBefore = builtPageGroups(window);
    compareWithConfigurationFile(window, file);
    EXPECT_EQ(builtPageGroups(window), builtBefore);

    auto* differences = window.findChild<FieldDifferencesWindow*>();
    ASSERT_NE(differences, nullptr);
    QStringList rows;
    for (int i = 0; i < differences->list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = differences->list()->topLevelItem(i);
        rows << QStringLiteral("[%1] %2: %3 (own.cnt) / %4 (other.cnt)")
                    .arg(row->text(0), row->text(1), row->text(2), row->text(3));
    }
    EXPECT_EQ(rows.size(), 6);
    EXPECT_TRUE(rows.contains(QStringLiteral("[22] Вход 2 · Тип входа: Дискретный (own.cnt) / Термодатчик TS-42 "
                                             "(other.cnt)")))
        << rows.join(u'\n').toStdString();
    EXPECT_EQ(rows, cliDiff(own, file));
}
