#pragma once
// Where the command-line tool reports an operation: a progress bar with the
// step under way only when standard error is a terminal, so that a script's
// log holds nothing but results and errors. The last text is kept: the
// command tells it as its result or its error.

#include <QString>
#include <cstdio>

#include "session/StatusView.h"

namespace vrm::cli {

class TerminalStatus : public StatusView {
public:
    explicit TerminalStatus(FILE* stream = stderr);
    ~TerminalStatus() override;

    void showStatus(const QString& text, StatusKind kind) override;
    void showProgress(int position, int maximum) override;

    // Ends a progress line that is still open.
    void endLine();
    bool interactive() const { return interactive_; }
    // The last text shown and its kind.
    const QString& lastText() const { return lastText_; }
    StatusKind lastKind() const { return lastKind_; }

private:
    FILE* stream_;
    bool interactive_;
    bool lineOpen_ = false;
    QString step_;
    QString lastText_;
    StatusKind lastKind_ = StatusKind::Progress;
};

// Writes a line of UTF-8 text.
void printLine(FILE* stream, const QString& text);

} // namespace vrm::cli
