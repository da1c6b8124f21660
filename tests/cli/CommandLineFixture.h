#pragma once
// vrm530-cli run as a script runs it: a child process in a temporary working
// folder, with no terminal on its standard input, against a vrm530-sim child
// process on its pseudo-terminal.

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "support/SimProcess.h"

namespace vrm::test {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

class CommandLineTool : public ::testing::Test {
protected:
    void startSimulator(QStringList extra = {})
    {
        sim_ = std::make_unique<test::SimProcess>(QStringList{QStringLiteral("--no-pace"), QStringLiteral("--no-drift"),
                                                              QStringLiteral("--restart-silence"), QStringLiteral("0")}
                                                  + extra);
        ASSERT_TRUE(sim_->path().startsWith(QStringLiteral("/dev/")));
        port_ = sim_->path().mid(5); // "pts/4", as the tool names it
    }

    Outcome cli(QStringList arguments, const QString& password = {}, bool withPort = true)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("VRM530_PASSWORD"));
        if (!password.isNull())
            environment.insert(QStringLiteral("VRM530_PASSWORD"), password);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir_.path());
        if (withPort)
            arguments << QStringLiteral("--port") << port_;
        process.start(QStringLiteral(VRM_CLI_EXECUTABLE), arguments);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    QString writeFile(const QString& name, ConfigImage image)
    {
        EXPECT_EQ(writeConfigFile(path(name), image), 0);
        return path(name);
    }

    ConfigImage loaded(const QString& name)
    {
        ConfigImage image = buildFactoryImage();
        EXPECT_EQ(readConfigFile(path(name), image), LoadResult::Loaded);
        return image;
    }

    static ConfigImage withInputName(const QByteArray& name)
    {
        ConfigImage image = buildFactoryImage();
        image.setTextPadded(layout::inputs[0], layout::input::name, name);
        return image;
    }

    QTemporaryDir dir_;
    std::unique_ptr<test::SimProcess> sim_;
    QString port_;
};

} // namespace vrm::test
