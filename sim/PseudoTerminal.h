#pragma once
// A pseudo-terminal in raw mode that the tool opens as its serial port. We
// keep a descriptor of the terminal side open ourselves, so that the tool
// closing and reopening the port never hangs the line up.

#include <QByteArray>
#include <QString>

namespace vrm::sim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens the pair; on failure `error` says why.
    bool open(QString& error);
    int masterFd() const { return master_; }
    // "/dev/pts/3"
    QString path() const { return path_; }
    // "pts/3": the name relative to /dev, as a port settings file holds it.
    QString nameBelowDev() const;

    // Bytes the tool wrote, without blocking; empty when none.
    QByteArray read();
    // Writes without blocking; returns the count written (bytes nobody
    // reads are dropped, as on a line with nothing attached).
    qsizetype write(const QByteArray& bytes);

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

} // namespace vrm::sim
