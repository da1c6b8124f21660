// vrm530-config: one instance at a time, then the main window until it closes.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "ui/SingleInstance.h"
#include "ui/TForm1.h"

namespace {

const QString kApplicationTitle = QStringLiteral("VRM Configurator");

int run(QApplication& app)
{
    vrm::TForm1 window;
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kApplicationTitle);

    vrm::SingleInstance instance;
    if (!instance.acquire()) {
        QMessageBox::warning(nullptr, kApplicationTitle, QStringLiteral("Программа уже запущена"), QMessageBox::Ok);
        return 1;
    }

    try {
        return run(app);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(error.what()), QMessageBox::Ok);
    } catch (...) {
        QMessageBox::critical(nullptr, kApplicationTitle, QStringLiteral("Unknown error"), QMessageBox::Ok);
    }
    return 1;
}
