#include "cli/Password.h"

#include <QString>
#include <cstdio>
#include <string>
#include <termios.h>
#include <unistd.h>

#include "model/Cp1251.h"
#include "model/UiText.h"

namespace vrm::cli {

namespace {

constexpr int kPasswordChars = 8;

// Reads one line from the terminal on standard input with its echo off.
QString askWithoutEcho()
{
    std::fputs(qPrintable(Ui::tr("Пароль администратора (пусто: без пароля): ")), stderr);
    std::fflush(stderr);
    termios saved{};
    const bool haveTerminal = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (haveTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= tcflag_t(~ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    for (int c = std::fgetc(stdin); c != EOF && c != '\n'; c = std::fgetc(stdin))
        line.push_back(char(c));
    if (haveTerminal)
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    return QString::fromLocal8Bit(line.c_str());
}

} // namespace

QByteArray administratorPassword()
{
    QString text;
    if (qEnvironmentVariableIsSet(kPasswordVariable))
        text = qEnvironmentVariable(kPasswordVariable);
    else if (::isatty(STDIN_FILENO) == 1)
        text = askWithoutEcho();
    return toCp1251(text).left(kPasswordChars);
}

} // namespace vrm::cli
