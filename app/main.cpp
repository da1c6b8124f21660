// vrm530-config: one instance at a time, then the main window until it closes.
// A configuration file named on the command line opens after the start-up.
#include <QApplication>
#include <QIcon>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "model/UiText.h"
#include "ui/AppStyle.h"
#include "ui/InterfaceLanguage.h"
#include "ui/LanguageFile.h"
#include "ui/LanguageLines.h"
#include "link/SerialTrace.h"
#include "session/ProgramVersion.h"
#include "ui/ShutdownSignals.h"
#include "ui/SingleInstance.h"
#include "ui/StartupFile.h"
#include "ui/TForm1.h"

using vrm::Ui;

namespace {

const QString kApplicationTitle = QStringLiteral("VRM Configurator");

// The value of --language (or --language=X), read before the parser is made.
QString languageOnCommandLine(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--language") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(QLatin1String("--language=")))
            return argument.mid(int(qstrlen("--language=")));
    }
    return {};
}

// --version answers without a display: it is looked for before the window's
// application, which needs one, is made.
bool versionAsked(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--version") == 0)
            return true;
    return false;
}

int printVersion(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    vrm::installInterfaceLanguage(app, vrm::chosenInterfaceLanguage(languageOnCommandLine(app.arguments())));
    std::printf("%s\n", qPrintable(vrm::programVersionText(QStringLiteral("vrm530-config"),
                                                           Ui::tr("Поддерживаемые версии устройства"))));
    return 0;
}

int run(QApplication& app, bool instanceUnchecked, const QString& file)
{
    vrm::TForm1 window;
    // Logout, shutdown and Ctrl+C close the window as its close button does.
    vrm::ShutdownSignals shutdown;
    shutdown.closeOnSignal(window, [&window] { return window.closeAllowed(); });
    window.show();
    if (!file.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, file] { window.openConfigurationFile(file); });
    }
    if (instanceUnchecked) {
        QTimer::singleShot(0, &window, [&window] {
            QMessageBox::warning(&window, kApplicationTitle,
                                 Ui::tr("Не удалось создать файл блокировки во временной папке: "
                                        "запуск второго экземпляра программы не будет обнаружен."),
                                 QMessageBox::Ok);
        });
    }
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (versionAsked(argc, argv))
        return printVersion(argc, argv);
    QApplication app(argc, argv);
    // The icons live in the static interface library: register them explicitly.
    Q_INIT_RESOURCE(vrm530);
    QApplication::setApplicationName(kApplicationTitle);
    vrm::useAppStyle(app);
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vrm530-config"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/vrm/icons/vrm530-config-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // The language is installed before any text is made, the option texts included.
    const QString language = vrm::chosenInterfaceLanguage(languageOnCommandLine(app.arguments()));
    vrm::installInterfaceLanguage(app, language);

    QCommandLineParser parser;
    parser.setApplicationDescription(Ui::tr("Конфигуратор GSM контроллера VRM530"));
    parser.addHelpOption();
    // Answered before the window's application is made (printVersion); listed here for --help.
    parser.addOption(QCommandLineOption(QStringLiteral("version"),
                                        Ui::tr("Показать версию программы и поддерживаемые версии устройства.")));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   Ui::tr("Записывать обмен с контроллером в файл FILE."), QStringLiteral("FILE"));
    parser.addOption(trace);
    const QCommandLineOption languageOption(QStringLiteral("language"),
                                            Ui::tr("Язык интерфейса на этот запуск: ru или en."),
                                            QStringLiteral("ru|en"));
    parser.addOption(languageOption);
    const QCommandLineOption templateOption(
        QStringLiteral("write-language-template"),
        Ui::tr("Записать встроенные тексты в файл FILE как файл языка (lng.txt) и завершить работу."),
        QStringLiteral("FILE"));
    parser.addOption(templateOption);
    parser.addPositionalArgument(QStringLiteral("FILE.cnt"), Ui::tr("Открыть этот файл конфигурации."),
                                 QStringLiteral("[FILE.cnt]"));
    parser.process(app);
    if (parser.isSet(languageOption) && !vrm::interfaceLanguages().contains(parser.value(languageOption))) {
        fprintf(stderr, "%s\n", qPrintable(Ui::tr("Неизвестный язык интерфейса \"%1\": ru или en.")
                                               .arg(parser.value(languageOption))));
        return 2;
    }

    if (parser.isSet(templateOption)) {
        QString error;
        if (!vrm::writeLanguageFile(parser.value(templateOption), vrm::languageTemplate(), &error)) {
            fprintf(stderr, "%s\n", qPrintable(Ui::tr("Невозможно записать файл \"%1\": %2")
                                                   .arg(parser.value(templateOption), error)));
            return 2;
        }
        return 0;
    }

    vrm::SingleInstance instance;
    const vrm::SingleInstance::Outcome lock = instance.acquire();
    if (lock == vrm::SingleInstance::Outcome::HeldByAnother) {
        QMessageBox::warning(nullptr, kApplicationTitle, Ui::tr("Программа уже запущена"), QMessageBox::Ok);
        return 1;
    }

    if (parser.isSet(trace)) {
        QString error;
        if (!vrm::startSerialTrace(parser.value(trace), &error)) {
            QMessageBox::warning(nullptr, kApplicationTitle,
                                 Ui::tr("Невозможно открыть файл журнала \"%1\": %2")
                                     .arg(parser.value(trace), error),
                                 QMessageBox::Ok);
        }
    }

    try {
        return run(app, lock == vrm::SingleInstance::Outcome::Unavailable,
                   vrm::startupFile(QStringList{QCoreApplication::applicationFilePath()}
                                    + parser.positionalArguments()));
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(error.what()), QMessageBox::Ok);
    } catch (...) {
        QMessageBox::critical(nullptr, kApplicationTitle, QStringLiteral("Unknown error"), QMessageBox::Ok);
    }
    return 1;
}
