#include "cli/TerminalStatus.h"

#include <unistd.h>

namespace vrm::cli {

namespace {
constexpr int kBarWidth = 30;
}

void printLine(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

TerminalStatus::TerminalStatus(FILE* stream) : stream_(stream), interactive_(::isatty(::fileno(stream)) == 1) {}

TerminalStatus::~TerminalStatus()
{
    endLine();
}

void TerminalStatus::endLine()
{
    if (!lineOpen_)
        return;
    std::fputc('\n', stream_);
    std::fflush(stream_);
    lineOpen_ = false;
}

void TerminalStatus::showStatus(const QString& text, StatusKind kind)
{
    lastText_ = text;
    lastKind_ = kind;
    if (kind == StatusKind::Progress)
        step_ = text;
}

void TerminalStatus::showProgress(int position, int maximum)
{
    if (!interactive_ || maximum <= 0)
        return;
    const int filled = int(qint64(kBarWidth) * position / maximum);
    const QString bar = QStringLiteral("\r[%1%2] %3% %4")
                            .arg(QString(filled, u'#'), QString(kBarWidth - filled, u'.'))
                            .arg(int(qint64(100) * position / maximum), 3)
                            .arg(step_);
    std::fputs(bar.toUtf8().constData(), stream_);
    std::fflush(stream_);
    lineOpen_ = true;
    if (position >= maximum)
        endLine();
}

} // namespace vrm::cli
