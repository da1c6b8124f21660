#pragma once
// The administrator password of the command-line tool. Never an argument
// (other users see the command line): the environment variable
// VRM530_PASSWORD, or asked for without echo when standard input is a
// terminal, or none.

#include <QByteArray>

namespace vrm::cli {

inline constexpr char kPasswordVariable[] = "VRM530_PASSWORD";

// The password as code page 1251 bytes, at most 8; empty when none was given.
QByteArray administratorPassword();

} // namespace vrm::cli
