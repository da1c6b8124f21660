// The bash completion of vrm530-cli, run in bash as bash-completion runs it:
// COMP_WORDS and COMP_CWORD set, the function called, COMPREPLY read.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kScript = QStringLiteral(VRM_TEST_SOURCE_DIR "/../packaging/vrm530-cli.bash-completion");

// Single quotes for bash, as the words of COMP_WORDS.
QString quoted(QString word)
{
    return u'\'' + word.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

// What the completion offers for `words`, the last of which is being completed;
// vrm530-cli itself is found on PATH, as where it is installed.
QStringList offered(const QStringList& words, const QString& folder)
{
    QStringList quotedWords;
    for (const QString& word : words)
        quotedWords << quoted(word);
    const QString script = QStringLiteral("source %1; COMP_WORDS=(%2); COMP_CWORD=%3; _vrm530_cli; "
                                          "printf '%s\\n' \"${COMPREPLY[@]}\"")
                               .arg(quoted(kScript), quotedWords.join(u' '))
                               .arg(words.size() - 1);
    QProcess bash;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(VRM_CLI_EXECUTABLE)).absolutePath() + u':'
                                                   + environment.value(QStringLiteral("PATH")));
    bash.setProcessEnvironment(environment);
    bash.setWorkingDirectory(folder);
    bash.start(QStringLiteral("bash"), {QStringLiteral("--norc"), QStringLiteral("-c"), script});
    EXPECT_TRUE(bash.waitForFinished(30000));
    const QByteArray errors = bash.readAllStandardError();
    EXPECT_EQ(bash.exitCode(), 0) << errors.toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
    QStringList lines = QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

TEST(BashCompletion, OffersCommandsOptionsLanguagesAndFilesByPosition)
{
    QTemporaryDir dir;
    for (const char* name : {"site.cnt", "site.txt", "notes.md"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("backups")));
    const QString v = QStringLiteral("vrm530-cli");
    const struct {
        QStringList words;
        QStringList expected; // exactly these, in any order
    } cases[] = {
        {{v, ""}, {"compare", "diff", "export", "identify", "import", "ports", "program", "read", "status"}},
        {{v, "--port", "pts/3", "st"}, {"status"}},
        {{v, "--"}, {"--help", "--json", "--language", "--port", "--trace", "--version"}},
        {{v, "--language", ""}, {"en", "ru"}},
        {{v, "diff", "--language", "en", "--"}, {"--help", "--language"}},
        {{v, "program", "--"}, {"--clear-modes", "--help", "--language", "--port", "--trace"}},
        {{v, "status", "--"}, {"--help", "--json", "--language", "--port", "--trace", "--watch"}},
        {{v, "export", "--"}, {"--help", "--language", "--output"}},
        {{v, "export", ""}, {"backups", "site.cnt"}},
        {{v, "diff", "site.cnt", ""}, {"backups", "site.cnt"}},
        {{v, "diff", "site.cnt", "site.cnt", ""}, {}},
        {{v, "import", ""}, {"backups", "site.txt"}},
        {{v, "import", "site.txt", ""}, {"backups", "site.cnt"}},
        {{v, "--port", "pts/1", "read", "s"}, {"site.cnt"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(offered(c.words, dir.path()), sorted(c.expected)) << c.words.join(u' ').toStdString();
}

TEST(BashCompletion, PortNamesComeFromThePortsCommand)
{
    QProcess ports;
    ports.start(QStringLiteral(VRM_CLI_EXECUTABLE), {QStringLiteral("ports")});
    ASSERT_TRUE(ports.waitForFinished(30000));
    QStringList names;
    for (const QString& line : QString::fromUtf8(ports.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
        names << line.section(u'\t', 0, 0);
    QTemporaryDir dir;
    EXPECT_EQ(offered({QStringLiteral("vrm530-cli"), QStringLiteral("--port"), QString()}, dir.path()), sorted(names));
    EXPECT_EQ(
        offered({QStringLiteral("vrm530-cli"), QStringLiteral("--port"), QStringLiteral("no-such-port")}, dir.path()),
        QStringList());
}
