#pragma once
// A status view over a label and a progress bar, and the colours of the
// status kinds: black while a step is under way, blue on success, red on
// failure.

#include <QColor>
#include <QPointer>
#include <QString>

#include "session/StatusView.h"

class QLabel;
class QProgressBar;

namespace vrm {

QColor statusColour(StatusKind kind);
// Sets a status label's text and text colour; a null label is left alone.
void showStatus(QLabel* label, const QString& text, StatusKind kind);
// The text colour a status label shows.
QColor statusColour(const QLabel* label);

class LabelStatusView : public StatusView {
public:
    // Either may be null; either may go away before the view does.
    explicit LabelStatusView(QLabel* label = nullptr, QProgressBar* progress = nullptr);

    void showStatus(const QString& text, StatusKind kind) override;
    void showProgress(int position, int maximum) override;

private:
    QPointer<QLabel> label_;
    QPointer<QProgressBar> progress_;
};

} // namespace vrm
