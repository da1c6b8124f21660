// The language file "lng.txt" in the working folder, applied at start-up.
#include <QDirIterator>
#include <QGroupBox>
#include <QHelpEvent>
#include <QXmlStreamReader>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <set>
#include <utility>

#include "model/Cp1251.h"
#include "model/UiText.h"
#include "session/LiveStatus.h"
#include "tests/ui/InterfaceTexts.h"
#include "tests/ui/WindowPages.h"
#include "ui/LanguageFile.h"
#include "ui/LanguageFileTranslator.h"
#include "ui/LanguageLines.h"
#include "ui/TextTable.h"

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

// What a modal dialog opened by `action` shows, its places prefixed by `prefix`.
void addDialogTexts(TForm1& window, const char* action, const QString& prefix, ShownTexts& texts)
{
    ModalScript script;
    script.then([&](QWidget* dialog) {
        for (const auto& [place, text] : shownTexts(*dialog))
            texts[prefix + place] = text;
        qobject_cast<QDialog*>(dialog)->reject();
    });
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    EXPECT_TRUE(script.finished()) << action;
}

// A file whose line n reads "L<n>" ("L<n> %1" where the line names a
// numbered series), so that every shown text tells which line made it.
QStringList numberedLines()
{
    QStringList lines = languageTemplate();
    const QList<LanguageText> texts = languageLineTexts();
    for (int i = 1; i < lines.size(); ++i) {
        lines[i] = QStringLiteral("L%1").arg(i + 1);
        if (texts.at(i).source.contains(QLatin1String("%1")))
            lines[i] += QStringLiteral(" %1");
    }
    return lines;
}

// The number of the line a text of the numbered file came from; 0 for none.
int lineOf(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("(?:^|\\s)L(\\d+)(?:$|\\s)"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The text of `line` shown in place of `builtIn`: the line's own text stands
// where its source stood ("Выход 4" from "Выход %1" becomes "L<n> 4").
QString replaced(const QString& builtIn, const LanguageText& source, int line)
{
    QStringList parts = source.source.split(QStringLiteral("%1"));
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    const QString pattern = parts.join(QStringLiteral("(\\d+)"));
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(builtIn);
    if (!match.hasMatch())
        return QStringLiteral("<\"%1\" does not hold the text of line %2>").arg(builtIn).arg(line);
    QString text = QStringLiteral("L%1").arg(line);
    if (match.lastCapturedIndex() == 1)
        text += QLatin1Char(' ') + match.captured(1);
    return builtIn.left(match.capturedStart()) + text + builtIn.mid(match.capturedEnd());
}

// The page tree's lines, node -> line (the nodes past the section take the
// entries that would name no node).
int treeLine(int node)
{
    if (node <= 15)
        return 21 + node;
    if (node <= 28)
        return 22 + node;
    if (node == 29)
        return 59;
    if (node <= 34)
        return 30 + node;
    if (node <= 38)
        return 16 + node;
    return node <= 46 ? 55 : 56;
}

// How the numbered file must show the built-in text of a tree node.
QString treeNodeText(int node, const QString& builtIn)
{
    if (node == 0)
        return QStringLiteral("L21 VRM530-QT.01.02");
    if (node >= 39 && node <= 46)
        return QStringLiteral("L55 ") + builtIn.section(QLatin1Char(' '), -1);
    return QStringLiteral("L%1").arg(treeLine(node));
}

// The kinds of places the file replaces, told from the walk's place names.
enum class Place { Tree, PageTitle, OwnPageTitle, Menu, WindowTitle, Item, Caption, NoLine };

Place placeKind(QString place, const QString& builtIn, const std::map<QString, int>& nodeOfText)
{
    static const QRegularExpression repeat(QStringLiteral("#\\d+$"));
    place.remove(repeat);
    static const QRegularExpression node(QStringLiteral("TreeView1\\[node \\d+\\]$"));
    if (node.match(place).hasMatch())
        return Place::Tree;
    if (place.endsWith(QLatin1String("[menu]")) || place.endsWith(QLatin1String("[text]"))
        || place.endsWith(QLatin1String("[icon text]")))
        return Place::Menu;
    if (place == QLatin1String("Form1[title]") || place == QLatin1String("about:AboutBox/ProductName"))
        return Place::WindowTitle;
    if (place.endsWith(QLatin1String("tip]")) || place.endsWith(QLatin1String("[format]"))
        || place.endsWith(QLatin1String("[mask]")))
        return Place::NoLine;
    static const QRegularExpression item(QStringLiteral("\\[\\d+\\]$"));
    if (item.match(place).hasMatch())
        return Place::Item; // combo box items: a text table entry or no line
    // A page's title label names its node; pages 10-13 and 20 keep their own.
    static const QRegularExpression title(QStringLiteral("^(Panel\\w*)/\\w+$"));
    if (const QRegularExpressionMatch match = title.match(place); match.hasMatch() && nodeOfText.count(builtIn))
        return QStringList{QStringLiteral("PanelGPRSSharedPAr"), QStringLiteral("PanelServersPar"), QStringLiteral("Panel7")}
                       .contains(match.captured(1))
                   ? Place::OwnPageTitle
                   : Place::PageTitle;
    return Place::Caption;
}

// Every text of the window that the walk reaches: all 48 pages, the window
// itself, the COM port dialog and the About box.
ShownTexts everyText(TForm1& window)
{
    ShownTexts texts = allPageTexts(window);
    addDialogTexts(window, "ComPortConfig", QStringLiteral("port:"), texts);
    addDialogTexts(window, "Abaut", QStringLiteral("about:"), texts);
    return texts;
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

// Each line of a file whose lines all differ shows at the places it names and
// nowhere else: tree lines at the tree nodes and the page titles taken from
// them, menu lines at the menus, caption lines at the designed captions of
// that spelling, text table lines at the entries of the table; every other
// text stays as built.
TEST(LanguageFile, EachLineReplacesTheTextsOfItsOwnPlacesOnly)
{
    WorkingFolder folder;
    ShownTexts builtIn;
    {
        TForm1 window;
        builtIn = everyText(window);
        ASSERT_TRUE(window.close());
    }
    ASSERT_TRUE(writeLanguageFile(folder.file("lng.txt"), numberedLines(), nullptr));
    TForm1 window;
    const ShownTexts applied = everyText(window);
    const QList<LanguageText> sources = languageLineTexts();
    auto sourceOf = [&sources](int line) { return sources.value(line - 1); };

    // The text table: every entry has a line of its own kind, never a tree
    // or menu line ("Реле 1" of the output names is not tree node 30).
    std::set<int> tableLines;
    const TextTable& table = window.textTable();
    QStringList entries;
    for (const QString& name : table.listNames())
        entries += table.list(name);
    for (const QString& name : table.textNames())
        entries += table.text(name);
    for (const QString& entry : entries) {
        const int line = lineOf(entry);
        EXPECT_GE(line, 65) << entry.toStdString();
        tableLines.insert(line);
    }

    std::map<QString, int> nodeOfText;
    for (const auto& [place, text] : builtIn) {
        static const QRegularExpression node(QStringLiteral("TreeView1\\[node (\\d+)\\]$"));
        if (const QRegularExpressionMatch match = node.match(place); match.hasMatch())
            nodeOfText[text] = match.captured(1).toInt();
    }

    std::set<int> shownLines(tableLines);
    auto isTableLine = [&tableLines](int line) { return tableLines.count(line) > 0; };
    for (const auto& [place, text] : builtIn) {
        SCOPED_TRACE("at " + place.toStdString() + ": \"" + text.toStdString() + '"');
        const QString after = applied.count(place) ? applied.at(place) : QStringLiteral("<missing>");
        const int line = lineOf(after);
        shownLines.insert(line);
        QString expected = text; // no line: as built
        switch (placeKind(place, text, nodeOfText)) {
        case Place::Tree: {
            const int node = QStringView(place).mid(place.lastIndexOf(QLatin1Char(' ')) + 1).chopped(1).toInt();
            expected = treeNodeText(node, text);
            break;
        }
        case Place::PageTitle:
            expected = treeNodeText(nodeOfText.at(text), text);
            break;
        case Place::Menu:
            if (place.endsWith(QLatin1String("[icon text]"))) {
                // The toolbar takes the new caption of the button's menu item.
                EXPECT_TRUE(line == 0 ? after == text : line >= 4 && line <= 19) << after.toStdString();
                continue;
            }
            if (line)
                expected = line >= 4 && line <= 19 ? replaced(text, sourceOf(line), line)
                                                   : QStringLiteral("<a menu line>");
            break;
        case Place::WindowTitle:
            expected = QString(text).replace(QStringLiteral("Конфигуратор GSM контроллера VRM530"),
                                             QStringLiteral("L2 VRM530"));
            break;
        case Place::Item:
            if (line)
                expected = isTableLine(line) ? replaced(text, sourceOf(line), line)
                                             : QStringLiteral("<a line of the text table>");
            break;
        case Place::OwnPageTitle:
        case Place::Caption:
            // A caption line, or a text table entry that the window writes into a caption.
            if (line == 65)
                expected = QStringLiteral(" L65 "); // the identity group, one blank on each side
            else if (line)
                expected = (line > 65 && line < 382) || isTableLine(line) ? replaced(text, sourceOf(line), line)
                                                                          : QStringLiteral("<a caption line>");
            break;
        case Place::NoLine:
            break;
        }
        EXPECT_EQ(after.toStdString(), expected.toStdString());
    }

    // The captions of the status page that have lines: the identity and GSM
    // groups and the perimeter captions.
    int captions = 0;
    for (const auto& [place, text] : builtIn) {
        if (text == QStringLiteral(" Контроллер ") || text == QStringLiteral(" GSM ")
            || (text.startsWith(QStringLiteral("Периметр ")) && placeKind(place, text, nodeOfText) == Place::Caption
                && place.startsWith(QLatin1String("GroupBoxPerimeters/")))) {
            ++captions;
            EXPECT_NE(lineOf(applied.at(place)), 0) << place.toStdString() << " keeps \"" << text.toStdString() << '"';
        }
    }
    EXPECT_EQ(captions, 6);

    // And every line that names a text shows somewhere.
    for (int line = 2; line <= kLanguageFileLineCount; ++line) {
        if (sourceOf(line).isEmpty())
            continue;
        EXPECT_TRUE(shownLines.count(line)) << "line " << line << " (" << sourceOf(line).source.toStdString()
                                            << ") shows nowhere";
    }
    EXPECT_GT(builtIn.size(), 500u) << "the walk saw too few texts to prove anything";
}

// The poller's temperature caption is not the input page's "Текущее значение".
TEST(LanguageFile, ThePollersTemperatureCaptionHasNoLine)
{
    WorkingFolder folder;
    ASSERT_TRUE(writeLanguageFile(folder.file("lng.txt"), numberedLines(), nullptr));
    const auto translator = LanguageFileTranslator::installFrom(folder.file("lng.txt"));
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(temperatureView(21, true).caption, QStringLiteral("Текущее значение"));
    EXPECT_NE(lineOf(Ui::tr("Текущее значение")), 0);
    // Its other caption is the temperature label's own, which has a line.
    EXPECT_NE(lineOf(temperatureView(0, false).caption), 0);
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
    std::set<std::pair<QString, QString>> sources;
    QDirIterator files(QStringLiteral(VRM_TEST_SOURCE_DIR "/../translations"), {QStringLiteral("*.ts")});
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        QString disambiguation;
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("message"))
                sources.insert({std::exchange(source, {}), std::exchange(disambiguation, {})});
            else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("comment"))
                disambiguation = xml.readElementText();
        }
    }
    ASSERT_GT(sources.size(), 500u);
    const QList<LanguageText> lines = languageLineTexts();
    int named = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        ++named;
        EXPECT_TRUE(sources.count({lines[i].source, lines[i].disambiguation}))
            << "line " << i + 1 << ": " << lines[i].source.toStdString() << " / "
            << lines[i].disambiguation.toStdString();
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
