// vrm530-cli: the configuration tool's controller operations and file
// conversions for shells and scripts, without a display.
//
//   vrm530-cli SUB-COMMAND [--port NAME] [options] [files]
//
// Results go to standard output, errors and progress to standard error.
// Exit status: 0 success or equal, 1 different, 2 device or file error.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <functional>

#include "cli/Commands.h"
#include "cli/TerminalStatus.h"
#include "link/SerialTrace.h"
#include "link/PortSettingsFile.h"

using namespace vrm::cli;

namespace {

struct SubCommand {
    const char* name;
    const char* arguments;   // positional arguments, as help shows them
    int argumentCount;
    bool usesPort;
    const char* description;
};

const SubCommand kSubCommands[] = {
    {"ports", "", 0, false, "Список последовательных портов с описаниями."},
    {"identify", "", 0, true, "Идентификация контроллера: устройство, модификация, версии, IMEI."},
    {"read", "OUT.cnt", 1, true, "Считать конфигурацию контроллера в файл."},
    {"program", "IN.cnt", 1, true,
     "Записать конфигурацию из файла в контроллер (с проверкой) и перезапустить его."},
    {"compare", "IN.cnt", 1, true,
     "Сравнить файл с конфигурацией контроллера; различия по полям на стандартный вывод."},
    {"diff", "A.cnt B.cnt", 2, false, "Сравнить два файла конфигурации по полям."},
    {"export", "IN.cnt", 1, false, "Файл конфигурации в текстовом виде (UTF-8, строка на поле)."},
    {"import", "IN.txt OUT.cnt", 2, false, "Текстовый вид обратно в файл конфигурации."},
    {"status", "", 0, true, "Текущее состояние контроллера (часы, GSM, питание, входы, выходы)."},
};

const QString kPasswordNote = QStringLiteral(
    "Пароль администратора берётся из переменной окружения VRM530_PASSWORD, а если её нет и ввод идёт с "
    "терминала, запрашивается без эха. В командной строке пароль не задаётся.");

void printUsage(FILE* stream)
{
    QString text = QStringLiteral("Использование: vrm530-cli КОМАНДА [--port ИМЯ] [параметры] [файлы]\n\nКоманды:\n");
    for (const SubCommand& c : kSubCommands)
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QString::fromLatin1(c.name), QString::fromLatin1(c.arguments), QString::fromUtf8(c.description));
    text += QStringLiteral("\nvrm530-cli КОМАНДА --help: параметры команды.\n"
                           "Код завершения: 0 успех или совпадение, 1 различия (compare, diff), 2 ошибка "
                           "устройства или файла.");
    printLine(stream, text);
}

int usageError(const QString& text)
{
    printLine(stderr, QStringLiteral("vrm530-cli: ") + text);
    printLine(stderr, QStringLiteral("vrm530-cli --help: список команд"));
    return Failure;
}

// The port of --port, else the one "VRMConfig.cfg" in the current folder names, else the window's default.
QString portOf(const QCommandLineParser& parser, const QCommandLineOption& port)
{
    if (parser.isSet(port))
        return parser.value(port);
    return vrm::readPortSettings(QString::fromLatin1(vrm::kPortSettingsFileName)).value_or(QStringLiteral("COM1"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vrm530-cli"));
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments[1] == QStringLiteral("--help") || arguments[1] == QStringLiteral("-h")) {
        printUsage(arguments.size() < 2 ? stderr : stdout);
        return arguments.size() < 2 ? Failure : Success;
    }
    const QString name = arguments[1];
    const SubCommand* command = nullptr;
    for (const SubCommand& c : kSubCommands)
        if (name == QLatin1String(c.name))
            command = &c;
    if (!command)
        return usageError(QStringLiteral("неизвестная команда «%1»").arg(name));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(command->description)
                                     + (command->usesPort && name != QStringLiteral("status")
                                                && name != QStringLiteral("identify")
                                            ? QStringLiteral("\n\n") + kPasswordNote
                                            : QString()));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Эта справка."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Порт: COM3, ttyUSB0, pts/4 (по умолчанию из VRMConfig.cfg в текущей "
                                                 "папке)."),
                                  QStringLiteral("ИМЯ"));
    const QCommandLineOption clearModes(QStringLiteral("clear-modes"),
                                        QStringLiteral("Очистить память режимов при программировании."));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Записать текст в файл, а не на стандартный вывод."),
                                    QStringLiteral("OUT.txt"));
    const QCommandLineOption watch(QStringLiteral("watch"), QStringLiteral("Повторять каждую секунду до Ctrl+C."));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Вывод в JSON, объект на строку."));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Записывать обмен с контроллером в файл FILE."), QStringLiteral("FILE"));
    parser.addOption(help);
    if (command->usesPort) {
        parser.addOption(port);
        parser.addOption(trace);
    }
    if (name == QStringLiteral("program"))
        parser.addOption(clearModes);
    if (name == QStringLiteral("export"))
        parser.addOption(output);
    if (name == QStringLiteral("status")) {
        parser.addOption(watch);
        parser.addOption(json);
    }
    for (const QString& argument : QString::fromLatin1(command->arguments).split(u' ', Qt::SkipEmptyParts))
        parser.addPositionalArgument(argument, QString());

    arguments.removeAt(1);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(parser.helpText()
                       .replace(QStringLiteral("vrm530-cli [options]"),
                                QStringLiteral("vrm530-cli ") + name + QStringLiteral(" [options]"))
                       .toUtf8()
                       .constData(),
                   stdout);
        return Success;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != command->argumentCount)
        return usageError(QStringLiteral("%1: ожидается %2").arg(name, QString::fromLatin1(command->arguments).isEmpty()
                                                                           ? QStringLiteral("без файлов")
                                                                           : QString::fromLatin1(command->arguments)));

    const QString portName = command->usesPort ? portOf(parser, port) : QString();
    if (command->usesPort && parser.isSet(trace)) {
        QString error;
        if (!vrm::startSerialTrace(parser.value(trace), &error)) {
            printLine(stderr, QStringLiteral("Невозможно открыть файл журнала \"%1\": %2").arg(parser.value(trace), error));
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
