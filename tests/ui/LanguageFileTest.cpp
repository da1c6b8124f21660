// The language file "lng.txt" in the working folder, applied at start-up.
#include <QDirIterator>
#include <QGroupBox>
#include <QHelpEvent>
#include <QXmlStreamReader>
#include <QMenuBar>
#include <QProcess>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "model/Cp1251.h"
#include "tests/ui/InterfaceTexts.h"
#include "tests/ui/WindowPages.h"
#include "ui/LanguageFile.h"
#include "ui/LanguageLines.h"

namespace vrm::test {
namespace {

const QString kBuiltInCaption = QStringLiteral("Конфигуратор GSM контроллера VRM530");
const QString kBuiltInRoot = QStringLiteral("GSM контроллер VRM530");

QByteArray fileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toCp1251(line) + "\r\n";
    return bytes;
}

QString rootText(TForm1& window)
{
    return window.pageTree()->topLevelItem(0)->text(0);
}

QMenu* menuTitled(TForm1& window, int index)
{
    return window.menuBar()->actions().at(index)->menu();
}

QToolButton* toolButton(TForm1& window, const char* action)
{
    auto* button = window.findChild<QToolButton*>(QStringLiteral("ToolButton") + QString::fromLatin1(action));
    EXPECT_NE(button, nullptr) << action;
    return button;
}

bool showsHint(QToolButton* button)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
    QCoreApplication::sendEvent(button, &event);
    const bool shown = QToolTip::isVisible();
    QToolTip::hideText();
    return shown;
}

// The window's texts after every page has been shown once (the settings pages
// are built when first needed).
ShownTexts allPageTexts(TForm1& window)
{
    waitUntilReady(window);
    for (int page = 0; page < PageTree::kPageCount; ++page)
        clickPage(window, page);
    clickPage(window, 0);
    return shownTexts(window);
}

} // namespace

TEST(LanguageFile, AFileThatIsNotALanguageFileChangesNothing)
{
    QStringList changed = languageTemplate();
    changed[1] = QStringLiteral("Caption");
    changed[3] = QStringLiteral("FILE");
    changed[20] = QStringLiteral("Root");
    QStringList trailingSpace = changed;
    trailingSpace[0] += QLatin1Char(' ');
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"412 lines", fileBytes(changed.mid(0, 412))},
        {"414 lines", fileBytes(changed + QStringList{QStringLiteral("extra")})},
        {"header with a trailing space", fileBytes(trailingSpace)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WorkingFolder folder;
        ASSERT_TRUE(writeFile(folder.file("lng.txt"), c.bytes));
        TForm1 window;
        EXPECT_TRUE(window.windowTitle().endsWith(kBuiltInCaption)) << window.windowTitle().toStdString();
        EXPECT_EQ(rootText(window), kBuiltInRoot);
        EXPECT_EQ(menuTitled(window, 0)->title(), QStringLiteral("Файл"));
        EXPECT_EQ(toolButton(window, "ReadConf")->text(), QStringLiteral("Считать"));
    }
}

TEST(LanguageFile, AValidFileReplacesTheTextsOfItsLines)
{
    QStringList lines = languageTemplate();
    lines[1] = QStringLiteral("Configurator");      // line 2
    lines[3] = QStringLiteral("File");              // line 4
    lines[12] = QStringLiteral("Read it");          // line 13: "Считать конфигурацию"
    lines[20] = QStringLiteral("Controller");       // line 21: the root node
    lines[42] = QStringLiteral("Input one");        // line 43: node 21
    lines[54] = QStringLiteral("Profile");          // line 55: nodes 39-46
    lines[55] = QStringLiteral("System");           // line 56: node 47
    lines[381] = QStringLiteral("Modem starting");  // line 382: the first GSM state
    lines[393] = QStringLiteral("First message");   // line 394: the first transaction message
    WorkingFolder folder;
    ASSERT_TRUE(writeLanguageFile(folder.file("lng.txt"), lines, nullptr));

    TForm1 window;
    EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral(" Configurator VRM530")))
        << window.windowTitle().toStdString();
    EXPECT_EQ(rootText(window), QStringLiteral("Controller VRM530-QT.01.02"));
    EXPECT_EQ(window.pageTitle(0), rootText(window));
    EXPECT_EQ(menuTitled(window, 0)->title(), QStringLiteral("File"));
    EXPECT_EQ(window.pageTitle(21), QStringLiteral("Input one"));
    EXPECT_EQ(window.pageTitle(39), QStringLiteral("Profile 1"));
    EXPECT_EQ(window.pageTitle(46), QStringLiteral("Profile 8"));
    EXPECT_EQ(window.pageTitle(47), QStringLiteral("System"));
    EXPECT_EQ(window.gsmStates().value(0), QStringLiteral("Modem starting"));
    EXPECT_EQ(window.transactionMessages().value(0), QStringLiteral("First message"));

    // The relay and output pages hide their stimulus list for the run.
    waitUntilReady(window);
    clickPage(window, 30);
    EXPECT_FALSE(control<QGroupBox>(window, "GroupBoxRsOutsStimulus")->isVisible());

    // The toolbar takes the menu captions and gives no hints.
    EXPECT_EQ(toolButton(window, "ReadConf")->text(), QStringLiteral("Read it"));
    EXPECT_EQ(toolButton(window, "Programm")->text(), QStringLiteral("Программировать"));
    EXPECT_FALSE(showsHint(toolButton(window, "Programm")));
}

TEST(LanguageFile, WithoutAFileTheToolbarGivesHintsAndStimuliShow)
{
    WorkingFolder folder;
    TForm1 window;
    waitUntilReady(window);
    EXPECT_TRUE(showsHint(toolButton(window, "Programm")));
    clickPage(window, 30);
    EXPECT_TRUE(control<QGroupBox>(window, "GroupBoxRsOutsStimulus")->isVisible());
}

// A line whose text the interface no longer has would replace nothing: every
// line names a text of the interface's translation sources.
TEST(LanguageFile, EveryLineNamesAnInterfaceText)
{
    QSet<QString> sources;
    QDirIterator files(QStringLiteral(VRM_TEST_SOURCE_DIR "/../translations"), {QStringLiteral("*.ts")});
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source"))
                sources.insert(xml.readElementText());
        }
    }
    ASSERT_GT(sources.size(), 500);
    const QStringList lines = languageLineSources();
    int named = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        ++named;
        EXPECT_TRUE(sources.contains(lines[i])) << "line " << i + 1 << ": " << lines[i].toStdString();
    }
    EXPECT_GT(named, 300);
}

TEST(LanguageFile, TheTemplateAppliedChangesNoTextButTheParts)
{
    const QStringList lines = languageTemplate();
    ASSERT_EQ(lines.size(), kLanguageFileLineCount);
    EXPECT_EQ(lines.first(), QString::fromLatin1(kLanguageFileHeader));

    WorkingFolder folder;
    ShownTexts builtIn;
    {
        TForm1 window;
        builtIn = allPageTexts(window);
        ASSERT_TRUE(window.close());
    }
    ASSERT_TRUE(writeLanguageFile(folder.file("lng.txt"), lines, nullptr));
    ShownTexts applied;
    {
        TForm1 window;
        applied = allPageTexts(window);
        ASSERT_TRUE(window.close());
    }
    // What the file always changes: the root node gains the version, and the
    // toolbar buttons take their menu captions.
    int differences = 0;
    for (const auto& [place, text] : builtIn) {
        const QString after = applied.count(place) ? applied.at(place) : QStringLiteral("<missing>");
        if (after == text)
            continue;
        const bool expected = (text == kBuiltInRoot && after == QStringLiteral("GSM контроллер VRM530-QT.01.02"))
                              || place.endsWith(QLatin1String("[icon text]"));
        if (!expected) {
            ++differences;
            ADD_FAILURE() << place.toStdString() << ": \"" << text.toStdString() << "\" became \""
                          << after.toStdString() << '"';
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(builtIn.size(), 500u) << "the walk saw too few texts to prove anything";
}

TEST(LanguageFile, TheOptionWritesTheTemplate)
{
    WorkingFolder folder;
    const QString path = folder.file("template.txt");
    QProcess process;
    process.setProgram(QStringLiteral(VRM_CONFIG_EXECUTABLE));
    process.setArguments({QStringLiteral("--write-language-template"), path});
    process.start();
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QByteArray bytes = readFile(path);
    EXPECT_TRUE(bytes.startsWith(QByteArray(kLanguageFileHeader) + "\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), kLanguageFileLineCount);
    EXPECT_EQ(readLanguageFile(path), std::optional<QStringList>(languageTemplate()));
}

} // namespace vrm::test
