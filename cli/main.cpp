// vrm530-cli: the configuration tool's controller operations and file
// conversions for shells and scripts, without a display.
//
//   vrm530-cli [common options] COMMAND [options] [files]
//
// The common options (--port, --trace, --json, --language) may stand before
// the command as well as after it. Results go to standard output, errors and
// progress to standard error. Exit status: 0 success or equal, 1 different,
// 2 device or file error.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <functional>

#include "cli/Commands.h"
#include "cli/TerminalStatus.h"
#include "link/SerialTrace.h"
#include "link/PortSettingsFile.h"
#include "model/UiText.h"
#include "model/UiTranslation.h"
#include "session/ProgramVersion.h"

using namespace vrm::cli;
using vrm::Ui;

namespace {

struct SubCommand {
    const char* name;
    const char* arguments;   // positional arguments, as help shows them
    int argumentCount;
    bool usesPort;           // --port and --trace apply
    const char* description; // translated where shown
};

const SubCommand kSubCommands[] = {
    {"ports", "", 0, false, QT_TRANSLATE_NOOP("Ui", "Список последовательных портов с описаниями.")},
    {"identify", "", 0, true,
     QT_TRANSLATE_NOOP("Ui", "Идентификация контроллера: устройство, модификация, версии, IMEI.")},
    {"read", "OUT.cnt", 1, true, QT_TRANSLATE_NOOP("Ui", "Считать конфигурацию контроллера в файл.")},
    {"program", "IN.cnt", 1, true,
     QT_TRANSLATE_NOOP("Ui", "Записать конфигурацию из файла в контроллер (с проверкой) и перезапустить его.")},
    {"compare", "IN.cnt", 1, true,
     QT_TRANSLATE_NOOP("Ui", "Сравнить файл с конфигурацией контроллера; различия по полям на стандартный вывод.")},
    {"diff", "A.cnt B.cnt", 2, false, QT_TRANSLATE_NOOP("Ui", "Сравнить два файла конфигурации по полям.")},
    {"export", "IN.cnt", 1, false,
     QT_TRANSLATE_NOOP("Ui", "Файл конфигурации в текстовом виде (UTF-8, строка на поле).")},
    {"import", "IN.txt OUT.cnt", 2, false, QT_TRANSLATE_NOOP("Ui", "Текстовый вид обратно в файл конфигурации.")},
    {"status", "", 0, true,
     QT_TRANSLATE_NOOP("Ui", "Текущее состояние контроллера (часы, GSM, питание, входы, выходы).")},
};

// The options every command knows: those that take a value, then the flags.
const QStringList kCommonValueOptions{QStringLiteral("port"), QStringLiteral("trace"), QStringLiteral("language")};
const QStringList kCommonFlags{QStringLiteral("json")};

bool optionApplies(const SubCommand& command, const QString& option)
{
    if (option == QStringLiteral("port") || option == QStringLiteral("trace"))
        return command.usesPort;
    if (option == QStringLiteral("json"))
        return command.name == QLatin1String("status");
    return true; // --language
}

const SubCommand* findCommand(const QString& name)
{
    for (const SubCommand& c : kSubCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

QString passwordNote()
{
    return Ui::tr("Пароль администратора берётся из переменной окружения VRM530_PASSWORD, а если её нет и ввод идёт "
                  "с терминала, запрашивается без эха. В командной строке пароль не задаётся.");
}

QString portOptionText()
{
    return Ui::tr("Порт: COM3, ttyUSB0, pts/4 (по умолчанию из VRMConfig.cfg в текущей папке).");
}

void printUsage(FILE* stream)
{
    QString text = Ui::tr("Использование: vrm530-cli [общие параметры] КОМАНДА [параметры] [файлы]") + u'\n' + u'\n'
        + Ui::tr("Команды:") + u'\n';
    for (const SubCommand& c : kSubCommands)
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QString::fromLatin1(c.name), QString::fromLatin1(c.arguments), Ui::tr(c.description));
    text += u'\n' + Ui::tr("Общие параметры, до или после команды:") + u'\n';
    text += QStringLiteral("  --port %1\n      %2\n").arg(Ui::tr("ИМЯ"), portOptionText());
    text += QStringLiteral("  --trace FILE\n      %1\n").arg(Ui::tr("Записывать обмен с контроллером в файл FILE."));
    text += QStringLiteral("  --json\n      %1\n").arg(Ui::tr("Вывод в JSON, объект на строку."));
    text += QStringLiteral("  --language ru|en\n      %1\n").arg(Ui::tr("Язык сообщений: ru (по умолчанию) или en."));
    text += QStringLiteral("  --version\n      %1\n").arg(Ui::tr("Показать версию программы и поддерживаемые версии устройства."));
    text += u'\n'
        + Ui::tr("vrm530-cli КОМАНДА --help: параметры команды.\n"
                 "Код завершения: 0 успех или совпадение, 1 различия (compare, diff), 2 ошибка "
                 "устройства или файла.");
    printLine(stream, text);
}

int usageError(const QString& text)
{
    printLine(stderr, QStringLiteral("vrm530-cli: ") + text);
    printLine(stderr, Ui::tr("vrm530-cli --help: список команд"));
    return Failure;
}

// The port of --port, else the one "VRMConfig.cfg" in the current folder names, else the window's default.
QString portOf(const QCommandLineParser& parser, const QCommandLineOption& port)
{
    if (parser.isSet(port))
        return parser.value(port);
    return vrm::readPortSettings(QString::fromLatin1(vrm::kPortSettingsFileName)).value_or(QStringLiteral("COM1"));
}

// The value of --language (or --language=X) wherever it stands; needed before any text is made.
QString languageOnCommandLine(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--language") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(QLatin1String("--language=")))
            return arguments[i].mid(int(qstrlen("--language=")));
    }
    return {};
}

// The arguments split at the command: the common options before it, the command, what follows it.
struct CommandLine {
    QStringList leading;
    QString command;
    QStringList trailing;
    QString error; // an argument before the command that is no common option
};

CommandLine splitAtCommand(const QStringList& arguments)
{
    CommandLine line;
    int i = 1;
    for (; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--")) || argument == QLatin1String("--"))
            break;
        const QString name = argument.mid(2).section(u'=', 0, 0);
        if (kCommonFlags.contains(name) && !argument.contains(u'=')) {
            line.leading << argument;
        } else if (kCommonValueOptions.contains(name)) {
            line.leading << argument;
            if (!argument.contains(u'=')) {
                if (i + 1 >= arguments.size()) {
                    line.error = Ui::tr("параметру --%1 нужно значение").arg(name);
                    return line;
                }
                line.leading << arguments[++i];
            }
        } else {
            break; // --help, --version or a mistake: the caller decides
        }
    }
    if (i < arguments.size())
        line.command = arguments[i];
    line.trailing = arguments.mid(i + 1);
    return line;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vrm530-cli"));
    const QStringList arguments = QCoreApplication::arguments();
    // Russian unless asked otherwise; installed before any text is made.
    const QString language = languageOnCommandLine(arguments);
    if (!language.isEmpty() && !vrm::interfaceLanguages().contains(language))
        return usageError(Ui::tr("Неизвестный язык интерфейса \"%1\": ru или en.").arg(language));
    vrm::installInterfaceLanguage(app, language.isEmpty() ? vrm::language::russian : language);

    const CommandLine line = splitAtCommand(arguments);
    if (!line.error.isEmpty())
        return usageError(line.error);
    const QString& name = line.command;
    if (name.isEmpty() || name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
        printUsage(name.isEmpty() ? stderr : stdout);
        return name.isEmpty() ? Failure : Success;
    }
    if (name == QStringLiteral("--version")) {
        printLine(stdout, vrm::programVersionText(QStringLiteral("vrm530-cli"),
                                                  Ui::tr("Поддерживаемые версии устройства")));
        return Success;
    }
    if (name.startsWith(u'-'))
        return usageError(Ui::tr("неизвестный параметр «%1» перед командой").arg(name));
    const SubCommand* command = findCommand(name);
    if (!command)
        return usageError(Ui::tr("неизвестная команда «%1»").arg(name));

    QCommandLineParser parser;
    parser.setApplicationDescription(Ui::tr(command->description)
                                     + (command->usesPort && name != QStringLiteral("status")
                                                && name != QStringLiteral("identify")
                                            ? QStringLiteral("\n\n") + passwordNote()
                                            : QString()));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, Ui::tr("Эта справка."));
    const QCommandLineOption port(QStringLiteral("port"), portOptionText(), Ui::tr("ИМЯ"));
    const QCommandLineOption clearModes(QStringLiteral("clear-modes"),
                                        Ui::tr("Очистить память режимов при программировании."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    Ui::tr("Записать текст в файл, а не на стандартный вывод."),
                                    QStringLiteral("OUT.txt"));
    const QCommandLineOption watch(QStringLiteral("watch"), Ui::tr("Повторять каждую секунду до Ctrl+C."));
    const QCommandLineOption json(QStringLiteral("json"), Ui::tr("Вывод в JSON, объект на строку."));
    const QCommandLineOption trace(QStringLiteral("trace"), Ui::tr("Записывать обмен с контроллером в файл FILE."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            Ui::tr("Язык сообщений: ru (по умолчанию) или en."),
                                            QStringLiteral("ru|en"));
    parser.addOption(help);
    // Every command knows the common options, so that one that does not apply
    // is named as such; help lists only those that apply.
    for (QCommandLineOption common : {port, trace, json, languageOption}) {
        if (!optionApplies(*command, common.names().first()))
            common.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(common);
    }
    if (name == QStringLiteral("program"))
        parser.addOption(clearModes);
    if (name == QStringLiteral("export"))
        parser.addOption(output);
    if (name == QStringLiteral("status"))
        parser.addOption(watch);
    for (const QString& argument : QString::fromLatin1(command->arguments).split(u' ', Qt::SkipEmptyParts))
        parser.addPositionalArgument(argument, QString());

    if (!parser.parse(QStringList{arguments.first()} + line.leading + line.trailing))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(parser.helpText()
                       .replace(arguments.first() + QStringLiteral(" [options]"),
                                QStringLiteral("vrm530-cli ") + name + QStringLiteral(" [options]"))
                       .toUtf8()
                       .constData(),
                   stdout);
        return Success;
    }
    for (const QString& common : kCommonValueOptions + kCommonFlags)
        if (parser.isSet(common) && !optionApplies(*command, common))
            return usageError(Ui::tr("параметр --%1 не относится к команде %2").arg(common, name));
    const QStringList files = parser.positionalArguments();
    if (files.size() != command->argumentCount)
        return usageError(Ui::tr("%1: ожидается %2").arg(name, QString::fromLatin1(command->arguments).isEmpty()
                                                                  ? Ui::tr("без файлов")
                                                                  : QString::fromLatin1(command->arguments)));

    const QString portName = command->usesPort ? portOf(parser, port) : QString();
    if (command->usesPort && parser.isSet(trace)) {
        QString error;
        if (!vrm::startSerialTrace(parser.value(trace), &error)) {
            printLine(stderr, Ui::tr("Невозможно открыть файл журнала \"%1\": %2").arg(parser.value(trace), error));
            return Failure;
        }
    }
    if (name == QStringLiteral("ports"))
        return listPorts();
    if (name == QStringLiteral("identify"))
        return identify(portName);
    if (name == QStringLiteral("read"))
        return readToFile(portName, files[0]);
    if (name == QStringLiteral("program"))
        return programFromFile(portName, files[0], parser.isSet(clearModes));
    if (name == QStringLiteral("compare"))
        return compareWithFile(portName, files[0]);
    if (name == QStringLiteral("diff"))
        return diffFiles(files[0], files[1]);
    if (name == QStringLiteral("export"))
        return exportToText(files[0], parser.value(output));
    if (name == QStringLiteral("import"))
        return importFromText(files[0], files[1]);
    return showStatus(portName, parser.isSet(watch), parser.isSet(json));
}
