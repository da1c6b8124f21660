#include "ui/LabelStatusView.h"

#include <QLabel>
#include <QProgressBar>

#include "ui/ProgressBars.h"

namespace vrm {

QColor statusColour(StatusKind kind)
{
    switch (kind) {
    case StatusKind::Success:
        return Qt::blue;
    case StatusKind::Failure:
        return Qt::red;
    case StatusKind::Progress:
        break;
    }
    return Qt::black;
}

void showStatus(QLabel* label, const QString& text, StatusKind kind)
{
    if (!label)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, statusColour(kind));
    label->setPalette(palette);
    label->setText(text);
}

QColor statusColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

LabelStatusView::LabelStatusView(QLabel* label, QProgressBar* progress) : label_(label), progress_(progress) {}

void LabelStatusView::showStatus(const QString& text, StatusKind kind)
{
    vrm::showStatus(label_.data(), text, kind);
}

void LabelStatusView::showProgress(int position, int maximum)
{
    if (!progress_)
        return;
    progress_->setMaximum(maximum);
    setBarValue(progress_.data(), position);
}

} // namespace vrm
