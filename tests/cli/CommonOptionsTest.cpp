// The options every command knows (--port, --trace, --json, --language) mean
// the same before the command as after it, and the tool's messages and the
// text form's comments follow --language while the data stay as stored.
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "model/Cp1251.h"
#include "tests/cli/CommandLineFixture.h"

using namespace vrm;
using vrm::test::CommandLineTool;
using vrm::test::Outcome;

namespace {

struct CommonOptionsCase {
    QString command;
    QStringList options; // common options; "PORT" stands for the simulator's port
    QStringList files;   // names in the working folder
    int status;
    QString expected; // a text the standard output or error must hold
};

// The live clock ticks between two runs; everything else must match.
QString withoutClock(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\"clock\":\"[^\"]*\"")), QStringLiteral("\"clock\""));
}

} // namespace

TEST_F(CommandLineTool, CommonOptionsBeforeOrAfterTheCommandGiveTheSameResult)
{
    startSimulator();
    writeFile(QStringLiteral("a.cnt"), withInputName("Door"));
    writeFile(QStringLiteral("b.cnt"), withInputName("Gate"));
    ASSERT_EQ(cli({QStringLiteral("export"), path(QStringLiteral("b.cnt")), QStringLiteral("-o"),
                   path(QStringLiteral("b.txt"))},
                  {}, false)
                  .status,
              0);
    const QString port = QStringLiteral("PORT");
    const QString trace = QStringLiteral("--trace");
    const QString language = QStringLiteral("--language");
    const QString notForIt = QStringLiteral("не относится к команде");
    const std::vector<CommonOptionsCase> cases = {
        {"ports", {language, "ru"}, {}, 0, ""},
        {"ports", {"--port", port}, {}, 2, "параметр --port " + notForIt + " ports"},
        {"identify", {"--port", port, trace, "t.log"}, {}, 0, "Устройство: VRM530"},
        {"identify", {"--port", port, language, "en"}, {}, 0, "Device: VRM530"},
        {"read", {"--port", port}, {"read.cnt"}, 0, "Конфигурация контроллера записана в"},
        {"program", {"--port", port, trace, "t.log"}, {"a.cnt"}, 0, "Перезагрузка устройства инициированна"},
        {"compare", {"--port", port}, {"a.cnt"}, 0, "Данные в памяти контроллера аналогичны текущим"},
        {"compare", {"--port", port, "--json"}, {"a.cnt"}, 2, "параметр --json " + notForIt + " compare"},
        {"diff", {language, "en"}, {"a.cnt", "b.cnt"}, 1, "\"Door\" (a.cnt) / \"Gate\" (b.cnt)"},
        {"diff", {"--port", port}, {"a.cnt", "b.cnt"}, 2, "параметр --port " + notForIt + " diff"},
        {"export", {language, "en"}, {"a.cnt"}, 0, "# VRM530: configuration as text, format 1"},
        {"export", {trace, "t.log"}, {"a.cnt"}, 2, "параметр --trace " + notForIt + " export"},
        {"import", {language, "ru"}, {"b.txt", "c.cnt"}, 0, ""},
        {"import", {"--json"}, {"b.txt", "c.cnt"}, 2, "параметр --json " + notForIt + " import"},
        {"status", {"--port", port, "--json"}, {}, 0, "\"supplyVolts\":"},
    };
    for (const CommonOptionsCase& c : cases) {
        QStringList options = c.options;
        options.replaceInStrings(QRegularExpression(QStringLiteral("^PORT$")), port_);
        QStringList files;
        for (const QString& file : c.files)
            files << path(file);
        const std::string label = (c.command + u' ' + c.options.join(u' ')).toStdString();
        const Outcome before = cli(options + QStringList{c.command} + files, QString(), false);
        const Outcome after = cli(QStringList{c.command} + files + options, QString(), false);
        EXPECT_EQ(before.status, c.status) << label << ": " << before.err.toStdString();
        EXPECT_TRUE((before.out + before.err).contains(c.expected))
            << label << ": " << before.out.toStdString() << before.err.toStdString();
        EXPECT_EQ(after.status, before.status) << label;
        EXPECT_EQ(withoutClock(after.out), withoutClock(before.out)) << label;
        EXPECT_EQ(after.err, before.err) << label;
    }
}

TEST_F(CommandLineTool, MisplacedOrIncompleteOptionsAreNamed)
{
    const Outcome unknown = cli({QStringLiteral("--frobnicate"), QStringLiteral("diff")}, {}, false);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("неизвестный параметр «--frobnicate» перед командой")))
        << unknown.err.toStdString();
    const Outcome noValue = cli({QStringLiteral("--port")}, {}, false);
    EXPECT_EQ(noValue.status, 2);
    EXPECT_TRUE(noValue.err.contains(QStringLiteral("параметру --port нужно значение"))) << noValue.err.toStdString();
    const Outcome badLanguage = cli({QStringLiteral("--language=de"), QStringLiteral("ports")}, {}, false);
    EXPECT_EQ(badLanguage.status, 2);
    EXPECT_TRUE(badLanguage.err.contains(QStringLiteral("\"de\""))) << badLanguage.err.toStdString();
    // A command's help lists only the options that apply to it.
    const Outcome help = cli(
        {QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("diff"), QStringLiteral("--help")}, {},
        false);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("vrm530-cli diff [options] A.cnt B.cnt"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("Message language"))) << help.out.toStdString();
    EXPECT_FALSE(help.out.contains(QStringLiteral("--port"))) << help.out.toStdString();
}

TEST_F(CommandLineTool, EnglishTranslatesMessagesAndCommentsButNotTheData)
{
    const QString file = writeFile(QStringLiteral("a.cnt"), withInputName(toCp1251(QStringLiteral("Дверь"))));
    const Outcome english = cli({QStringLiteral("--language"), QStringLiteral("en"), QStringLiteral("export"), file},
                                {}, false);
    ASSERT_EQ(english.status, 0) << english.err.toStdString();
    const Outcome russian = cli({QStringLiteral("export"), file}, {}, false);
    ASSERT_EQ(russian.status, 0) << russian.err.toStdString();
    // Names and values are the same; the comments are in the chosen language.
    EXPECT_TRUE(russian.out.startsWith(QStringLiteral("# VRM530: конфигурация в текстовом виде, формат 1\n")));
    EXPECT_TRUE(english.out.startsWith(QStringLiteral("# VRM530: configuration as text, format 1\n")));
    const QString nameLine = QStringLiteral("[21] Вход 1 · Название входа = \"Дверь\"\n");
    EXPECT_TRUE(english.out.contains(nameLine) && russian.out.contains(nameLine)) << english.out.toStdString();
    EXPECT_TRUE(russian.out.contains(QStringLiteral(" = 0 # нет реакции\n")));
    EXPECT_TRUE(english.out.contains(QStringLiteral(" = 0 # no reaction\n")));
    EXPECT_FALSE(english.out.contains(QStringLiteral("# нет реакции")));

    // An English export reads back into the same bytes.
    QFile text(path(QStringLiteral("a.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(english.out.toUtf8());
    text.close();
    ASSERT_EQ(cli({QStringLiteral("import"), text.fileName(), path(QStringLiteral("back.cnt"))}, {}, false).status, 0);
    EXPECT_TRUE(loaded(QStringLiteral("back.cnt")) == loaded(QStringLiteral("a.cnt")));

    const Outcome missing = cli(
        {QStringLiteral("diff"), file, path(QStringLiteral("none.cnt")), QStringLiteral("--language=en")}, {}, false);
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.cnt: Cannot open the file"))) << missing.err.toStdString();
}
