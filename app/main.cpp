// vrm530-config: one instance at a time, then the main window until it closes.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <exception>

#include "link/SerialTrace.h"
#include "ui/ShutdownSignals.h"
#include "ui/SingleInstance.h"
#include "ui/TForm1.h"

namespace {

const QString kApplicationTitle = QStringLiteral("VRM Configurator");

int run(QApplication& app, bool instanceUnchecked)
{
    vrm::TForm1 window;
    // Logout, shutdown and Ctrl+C close the window as its close button does.
    vrm::ShutdownSignals shutdown;
    shutdown.closeOnSignal(window, [&window] { return window.closeAllowed(); });
    window.show();
    if (instanceUnchecked) {
        QTimer::singleShot(0, &window, [&window] {
            QMessageBox::warning(&window, kApplicationTitle,
                                 QStringLiteral("Не удалось создать файл блокировки во временной папке: "
                                                "запуск второго экземпляра программы не будет обнаружен."),
                                 QMessageBox::Ok);
        });
    }
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Конфигуратор GSM контроллера VRM530"));
    parser.addHelpOption();
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Записывать обмен с контроллером в файл FILE."), QStringLiteral("FILE"));
    parser.addOption(trace);
    parser.process(app);

    vrm::SingleInstance instance;
    const vrm::SingleInstance::Outcome lock = instance.acquire();
    if (lock == vrm::SingleInstance::Outcome::HeldByAnother) {
        QMessageBox::warning(nullptr, kApplicationTitle, QStringLiteral("Программа уже запущена"), QMessageBox::Ok);
        return 1;
    }

    if (parser.isSet(trace)) {
        QString error;
        if (!vrm::startSerialTrace(parser.value(trace), &error)) {
            QMessageBox::warning(nullptr, kApplicationTitle,
                                 QStringLiteral("Невозможно открыть файл журнала \"%1\": %2")
                                     .arg(parser.value(trace), error),
                                 QMessageBox::Ok);
        }
    }

    try {
        return run(app, lock == vrm::SingleInstance::Outcome::Unavailable);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(error.what()), QMessageBox::Ok);
    } catch (...) {
        QMessageBox::critical(nullptr, kApplicationTitle, QStringLiteral("Unknown error"), QMessageBox::Ok);
    }
    return 1;
}
