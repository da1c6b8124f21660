#pragma once
// The end-to-end fixture: one vrm530-sim process serving a pseudo-terminal, and
// the main window started in a folder whose "VRMConfig.cfg" names that terminal.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "model/FactoryImage.h"
#include "sim/Controller.h"
#include "sim/StateFile.h"
#include "ui/SessionTestHost.h"
#include "ui/TForm1.h"
#include "ui/pages/status/StatusPage.h"

namespace vrm::test {

inline constexpr int kMainSize = 5292;

inline QByteArray factoryMain()
{
    const ConfigImage factory = buildFactoryImage();
    return QByteArray(reinterpret_cast<const char*>(factory.data()), kMainSize);
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override { previousDir_ = QDir::currentPath(); }
    void TearDown() override
    {
        form_.reset();
        stopSimulator();
        QDir::setCurrent(previousDir_);
    }

    // Timer2 fired (the actions are unlocked) and the poller identified the controller.
    bool ready() const
    {
        return form_->findChild<QAction*>(QStringLiteral("Programm"))->isEnabled()
            && form_->statusPage()->shownIdentity().deviceName == QStringLiteral("VRM530");
    }

    QString statePath() const { return dir_.filePath(QStringLiteral("controller.state")); }

    // Memory the simulator starts with: the areas given, the others as a new controller has them.
    void prepareAreas(const std::map<int, QByteArray>& areas)
    {
        sim::Controller controller;
        for (const auto& [number, bytes] : areas)
            controller.setArea(number, bytes);
        QString error;
        ASSERT_TRUE(sim::saveState(controller, statePath(), error)) << error.toStdString();
    }
    void prepareMainArea(const QByteArray& main) { prepareAreas({{1, main}}); }

    void start(QStringList options = {})
    {
        options << QStringLiteral("--write-config") << dir_.path() << QStringLiteral("--state") << statePath()
                << QStringLiteral("--no-pace") << QStringLiteral("--no-drift") << QStringLiteral("--trace")
                << QStringLiteral("--restart-silence") << QStringLiteral("300");
        sim_.start(QStringLiteral(VRM_SIM_EXECUTABLE), options);
        ASSERT_TRUE(sim_.waitForStarted(5000));
        ASSERT_TRUE(sim_.waitForReadyRead(5000));
        const QString terminal = QString::fromLocal8Bit(sim_.readLine()).trimmed();
        ASSERT_TRUE(terminal.startsWith(QStringLiteral("/dev/"))) << terminal.toStdString();
        port_ = terminal.mid(5);

        QDir::setCurrent(dir_.path());
        form_ = std::make_unique<TForm1>();
        ASSERT_EQ(form_->portName(), port_);
        ASSERT_TRUE(test::waitUntil([this] { return ready(); }, 5000)) << "the poller never heard the simulator";
    }

    // A console line to the simulator; returns what it printed in answer (if anything).
    QString simulator(const QString& line, bool answered = false)
    {
        sim_.readAllStandardOutput();
        sim_.write((line + QLatin1Char('\n')).toLocal8Bit());
        sim_.waitForBytesWritten(1000);
        if (!answered)
            return {};
        test::waitUntil([this] { return sim_.canReadLine(); }, 3000);
        return QString::fromLocal8Bit(sim_.readLine()).trimmed();
    }

    // Stops the simulator (which saves its memory) and returns one of its areas.
    QByteArray storedArea(int number)
    {
        stopSimulator();
        sim::Controller controller;
        QString error;
        EXPECT_TRUE(sim::loadState(controller, statePath(), error)) << error.toStdString();
        return controller.area(number);
    }
    QByteArray storedMainArea() { return storedArea(1); }

    void stopSimulator()
    {
        if (sim_.state() == QProcess::NotRunning)
            return;
        sim_.write("quit\n");
        if (!sim_.waitForFinished(5000)) {
            sim_.kill();
            sim_.waitForFinished(2000);
        }
    }

    QString received() { return traced_ += QString::fromLatin1(sim_.readAllStandardError()); }

    void trigger(const char* action)
    {
        auto* a = form_->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        ASSERT_TRUE(a->isEnabled()) << action;
        a->trigger();
    }
    void click(const char* name)
    {
        auto* button = form_->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    QString actionText() { return form_->actionLabel()->text(); }
    QByteArray imageMain() { return QByteArray(reinterpret_cast<const char*>(form_->image().data()), kMainSize); }
    void setImagePassword(const QByteArray& text)
    {
        for (int i = 0; i < 9; ++i)
            form_->image().setByte(20 + i, i < text.size() ? uint8_t(text[i]) : 0);
    }

    QTemporaryDir dir_;
    QProcess sim_;
    QString port_;
    QString previousDir_;
    QString traced_;
    std::unique_ptr<TForm1> form_;
};

} // namespace vrm::test
