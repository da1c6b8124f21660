#pragma once
// Text commands that change a running simulated controller: given as lines
// on the standard input of vrm530-sim ("key 0123456789ABCDEF", "gsm 8",
// "input 3 on", "quit") and used for its command-line options as well.

#include <QByteArray>
#include <QString>

namespace vrm::sim {

class Controller;

struct ConsoleResult {
    bool ok = true;
    bool quit = false;
    QString message; // what to tell the user; empty when there is nothing to say
};

ConsoleResult applyConsoleCommand(Controller& controller, const QByteArray& line);

// One line per command, for --help and the "help" command.
QString consoleCommandHelp();

} // namespace vrm::sim
