// vrm530-cli as a script runs it: a child process with no terminal on its
// standard input, talking to the vrm530-sim executable over its
// pseudo-terminal.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "model/FieldDomain.h"
#include "model/FieldMap.h"
#include "tests/cli/CommandLineFixture.h"

using namespace vrm;
using vrm::test::CommandLineTool;
using vrm::test::Outcome;

namespace {

const QString kPasswordRefused = QStringLiteral(
    "Взаимодействие запрещено без указания пароля, команды чтения/записи и ряд управляющих команд не могут быть "
    "выполнены");

} // namespace

TEST_F(CommandLineTool, ProgramThenReadAndCompareWithTheirExitStatus)
{
    startSimulator();
    const QString programmed = writeFile(QStringLiteral("site.cnt"), withInputName("Door"));
    const Outcome program = cli({QStringLiteral("program"), programmed});
    ASSERT_EQ(program.status, 0) << program.err.toStdString();
    EXPECT_TRUE(program.out.contains(QStringLiteral("Перезагрузка устройства инициированна"))) << program.out.toStdString();
    EXPECT_TRUE(program.err.isEmpty()) << program.err.toStdString(); // no terminal: no progress
    EXPECT_TRUE(sim_->command(QStringLiteral("status")));
    const QString simStatus = QString::fromLocal8Bit(sim_->process().readAllStandardOutput());
    EXPECT_TRUE(simStatus.contains(QStringLiteral("restarts 1"))) << simStatus.toStdString();

    const Outcome read = cli({QStringLiteral("read"), path(QStringLiteral("back.cnt"))});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(loaded(QStringLiteral("back.cnt")) == loaded(QStringLiteral("site.cnt"))) << read.out.toStdString();

    const Outcome equal = cli({QStringLiteral("compare"), programmed});
    EXPECT_EQ(equal.status, 0) << equal.out.toStdString() << equal.err.toStdString();
    EXPECT_TRUE(equal.out.contains(QStringLiteral("Данные в памяти контроллера аналогичны текущим")));

    ConfigImage other = withInputName("Gate");
    other.set(layout::perimeters[1], layout::perimeter::armActions, 1, 0);
    const Outcome different = cli({QStringLiteral("compare"), writeFile(QStringLiteral("other.cnt"), other)});
    EXPECT_EQ(different.status, 1) << different.err.toStdString();
    const QStringList lines = different.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << different.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Данные в памяти контроллера отличаются от текущих"));
    EXPECT_EQ(lines[1], QStringLiteral("[21] Вход 1 · Название входа: \"Gate\" (other.cnt) / \"Door\" (контроллер)"));
    EXPECT_EQ(lines[2], QStringLiteral("[17] Периметр 2 · Переход в режим ОХРАНА · Реле 1: включить (other.cnt) / "
                                       "нет реакции (контроллер)"));
}

TEST_F(CommandLineTool, AWrongPasswordEndsWithStatusTwoAndWritesNothing)
{
    startSimulator({QStringLiteral("--password"), QStringLiteral("secret")});
    const QString file = writeFile(QStringLiteral("site.cnt"), withInputName("Door"));
    const Outcome wrong = cli({QStringLiteral("program"), file}, QStringLiteral("guess"));
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.contains(kPasswordRefused)) << wrong.err.toStdString();
    EXPECT_TRUE(wrong.out.isEmpty());

    const Outcome none = cli({QStringLiteral("read"), path(QStringLiteral("none.cnt"))});
    EXPECT_EQ(none.status, 2);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none.cnt"))));

    // With the right password the controller still holds what it held, and its password.
    const Outcome read = cli({QStringLiteral("read"), path(QStringLiteral("back.cnt"))}, QStringLiteral("secret"));
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(loaded(QStringLiteral("back.cnt")) == buildFactoryImage());
    const Outcome same = cli({QStringLiteral("compare"), path(QStringLiteral("back.cnt"))}, QStringLiteral("secret"));
    EXPECT_EQ(same.status, 0) << same.out.toStdString() << same.err.toStdString();
}

TEST_F(CommandLineTool, StatusAsJsonAndIdentity)
{
    startSimulator({QStringLiteral("--supply"), QStringLiteral("123"), QStringLiteral("--signal"),
                    QStringLiteral("17")});
    const Outcome status = cli({QStringLiteral("status"), QStringLiteral("--json")});
    ASSERT_EQ(status.status, 0) << status.err.toStdString();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(status.out.trimmed().toUtf8(), &parseError);
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << status.out.toStdString();
    const QJsonObject o = document.object();
    EXPECT_DOUBLE_EQ(o.value(QStringLiteral("supplyVolts")).toDouble(), 12.3);
    EXPECT_EQ(o.value(QStringLiteral("signal")).toInt(), 17);
    EXPECT_EQ(o.value(QStringLiteral("outputs")).toArray().size(), 7);
    EXPECT_TRUE(o.value(QStringLiteral("clock")).toString().contains(u':'));

    const Outcome identity = cli({QStringLiteral("identify"), QStringLiteral("--trace"), path(QStringLiteral("t.log"))});
    EXPECT_EQ(identity.status, 0);
    EXPECT_TRUE(identity.out.contains(QStringLiteral("Устройство: VRM530")));
    // --trace keeps the exchange for support: the identity query went out and its answer came back.
    QFile trace(path(QStringLiteral("t.log")));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QString traced = QString::fromUtf8(trace.readAll());
    EXPECT_TRUE(traced.contains(QStringLiteral(" -> ")) && traced.contains(QStringLiteral(" <- "))) << traced.toStdString();
    EXPECT_TRUE(traced.contains(QStringLiteral("05 05 00 00 FB"))) << traced.toStdString(); // the identity query

    // No controller on the port: the tool's own text and status 2.
    const Outcome missing = cli({QStringLiteral("identify"), QStringLiteral("--port"), QStringLiteral("ttyNONE9")}, {},
                            false);
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Невозможно открыть ttyNONE9"))) << missing.err.toStdString();
}

TEST_F(CommandLineTool, FilesConvertAndDiffWithoutAController)
{
    const QString a = writeFile(QStringLiteral("a.cnt"), withInputName("Door"));
    const QString b = writeFile(QStringLiteral("b.cnt"), withInputName("Gate"));
    EXPECT_EQ(cli({QStringLiteral("diff"), a, a}, {}, false).status, 0);
    const Outcome diff = cli({QStringLiteral("diff"), a, b}, {}, false);
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out.trimmed(), QStringLiteral("[21] Вход 1 · Название входа: \"Door\" (a.cnt) / \"Gate\" (b.cnt)"));

    ASSERT_EQ(cli({QStringLiteral("export"), b, QStringLiteral("-o"), path(QStringLiteral("b.txt"))}, {}, false).status, 0);
    ASSERT_EQ(cli({QStringLiteral("import"), path(QStringLiteral("b.txt")), path(QStringLiteral("c.cnt"))}, {}, false).status, 0);
    EXPECT_TRUE(loaded(QStringLiteral("c.cnt")) == loaded(QStringLiteral("b.cnt")));

    QFile text(path(QStringLiteral("bad.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("# edited\n[21] Вход 1 · Тип входа = 9\n");
    text.close();
    const Outcome refused = cli({QStringLiteral("import"), text.fileName(), path(QStringLiteral("d.cnt"))}, {}, false);
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("строка 2: поле «Вход 1 · Тип входа»: значение 9 вне диапазона 0..4"))) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("d.cnt"))));

    EXPECT_EQ(cli({QStringLiteral("diff"), a, path(QStringLiteral("missing.cnt"))}, {}, false).status, 2);
    EXPECT_EQ(cli({QStringLiteral("frobnicate")}, {}, false).status, 2);
    const Outcome help = cli({QStringLiteral("program"), QStringLiteral("--help")}, {}, false);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--clear-modes")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("VRM530_PASSWORD")));
}

// The export of the factory file names the item of every list field; the
// import refuses a value its field does not allow and writes no file.
TEST_F(CommandLineTool, ExportNamesEveryItemAndImportKeepsToTheDomains)
{
    const ConfigImage factory = buildFactoryImage();
    const QString file = writeFile(QStringLiteral("factory.cnt"), factory);
    const Outcome exported = cli({QStringLiteral("export"), file}, {}, false);
    ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
    const QStringList lines = exported.out.split(u'\n');
    int listFields = 0;
    for (const FieldEntry& entry : mainBlockMap().fields) {
        if (!entry.field->domain.hasItems())
            continue;
        ++listFields;
        const long long value = entry.field->kind == FieldKind::I8
                                    ? (long long)int8_t(factory.byte(entry.offset()))
                                    : (long long)factory.numberAt(entry.base, *entry.field, entry.element);
        const std::optional<QString> item = itemText(*entry.field, value, false);
        ASSERT_TRUE(item.has_value()) << entry.name.toStdString() << " holds " << value << " at the factory";
        const QString page = entry.page < 0 ? QStringLiteral("-") : QString::number(entry.page);
        // The item, and the unit where the field has one.
        const QString line = QStringLiteral("[%1] %2 = %3 # %4").arg(page, entry.name).arg(value).arg(*item);
        EXPECT_TRUE(std::ranges::any_of(lines, [&line](const QString& l) { return l.startsWith(line); }))
            << entry.name.toStdString();
    }
    EXPECT_GT(listFields, 300);

    QFile text(path(QStringLiteral("modbus.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("[1] Общие параметры соединений · Адрес Modbus = 250\n");
    text.close();
    const Outcome refused = cli({QStringLiteral("import"), text.fileName(), path(QStringLiteral("m.cnt"))}, {}, false);
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("строка 1: поле «Общие параметры соединений · Адрес Modbus»: "
                                                    "значение 250 вне диапазона 1..247")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("m.cnt"))));
}
