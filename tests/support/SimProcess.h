#pragma once
// vrm530-sim as a child process serving its pseudo-terminal; stopped when the
// object goes. Commands reach it as lines on its standard input.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace vrm::test {

class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments)
    {
        process_.setProgram(QStringLiteral(VRM_SIM_EXECUTABLE));
        process_.setArguments(arguments);
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            path_ = QString::fromLocal8Bit(process_.readLine().trimmed());
    }
    ~SimProcess()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The pseudo-terminal's path, e.g. /dev/pts/3; empty when the start failed.
    const QString& path() const { return path_; }

    // Sends one console command and waits until the simulator has taken it
    // (it answers "status" with a line, and commands are handled in order).
    bool command(const QString& line)
    {
        process_.readAllStandardOutput();
        process_.write((line + QStringLiteral("\nstatus\n")).toLocal8Bit());
        return process_.waitForReadyRead(5000);
    }

    QProcess& process() { return process_; }

private:
    QProcess process_;
    QString path_;
};

} // namespace vrm::test
