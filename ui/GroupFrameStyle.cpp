#include "ui/GroupFrameStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>

namespace vrm {
namespace {

class LineDrawnGroupFrames : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Where Fusion puts its frame: below the title line, if there is one.
        constexpr int kTopMargin = 3;
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        const int top = group && !group->isCheckable() && group->title().isEmpty()
                            ? kTopMargin
                            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                       option->fontMetrics.height())
                                  + kTopMargin;
        // The frame Fusion's picture shows: a one-pixel rounded outline on a slightly darker ground.
        painter->save();
        const QRect frame = option->rect.adjusted(0, top, 0, 0);
        const QColor ground = option->palette.color(QPalette::Window).darker(104);
        painter->fillRect(frame.adjusted(1, 1, -1, -1), ground); // solid: no anti-aliasing over the whole area
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(option->palette.color(QPalette::Window).darker(140), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter->restore();
    }
};

} // namespace

void useLineDrawnGroupFrames(QApplication& app)
{
    Q_UNUSED(app);
    QStyle* current = QApplication::style();
    if (!current || current->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    QApplication::setStyle(new LineDrawnGroupFrames(QStringLiteral("Fusion")));
}

} // namespace vrm
