#include "ui/AppStyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QMainWindow>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>

namespace vrm {
namespace {

// `over` laid on `ground` at `alpha` (0-255), as one opaque colour: an
// opaque fill takes the raster engine's direct path, a translucent one does not.
QColor blended(const QColor& ground, const QColor& over, int alpha)
{
    const auto mix = [alpha](int a, int b) { return (a * (255 - alpha) + b * alpha) / 255; };
    return QColor(mix(ground.red(), over.red()), mix(ground.green(), over.green()), mix(ground.blue(), over.blue()));
}

// A one-pixel outline of `rect`, as four filled rectangles.
void outline(QPainter* painter, const QRect& rect, const QColor& color)
{
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter->fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter->fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

// Fusion's outline colour.
QColor outlineColor(const QPalette& palette)
{
    return palette.color(QPalette::Window).darker(140);
}

class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameGroupBox) {
            drawGroupFrame(option, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
        if (element == CE_ToolBar && bar && drawMainToolBar(*bar, painter, widget))
            return;
        const auto* progress = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
        if (element == CE_ProgressBarGroove && progress && drawProgressGroove(*progress, painter))
            return;
        if (element == CE_ProgressBarContents && progress && drawProgress(*progress, painter))
            return;
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control == CC_ScrollBar && bar && !styleHint(SH_ScrollBar_Transient, option, widget)) {
            drawScrollBar(*bar, painter, widget);
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    // Fusion's frame, without its scaled picture: a one-pixel rounded outline
    // on a slightly darker ground, below the title line if there is one.
    void drawGroupFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
    {
        constexpr int kTopMargin = 3;
        const auto* group = qobject_cast<const QGroupBox*>(widget);
        const int top = group && !group->isCheckable() && group->title().isEmpty()
                            ? kTopMargin
                            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                       option->fontMetrics.height())
                                  + kTopMargin;
        painter->save();
        const QRect frame = option->rect.adjusted(0, top, 0, 0);
        const QColor ground = option->palette.color(QPalette::Window).darker(104);
        painter->fillRect(frame.adjusted(1, 1, -1, -1), ground); // solid: no anti-aliasing over the whole area
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(outlineColor(option->palette), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        painter->restore();
    }

    // The main window's tool bar as Fusion draws it, with its two bottom
    // lines filled instead of stroked. False for any other tool bar.
    bool drawMainToolBar(const QStyleOptionToolBar& bar, QPainter* painter, const QWidget* widget) const
    {
        const bool bottomLines = bar.positionOfLine == QStyleOptionToolBar::End
                                 || bar.positionOfLine == QStyleOptionToolBar::OnlyOne;
        if (!widget || !qobject_cast<const QMainWindow*>(widget->parentWidget())
            || bar.toolBarArea != Qt::TopToolBarArea || !bottomLines)
            return false;
        const QRect& rect = bar.rect;
        const QColor window = bar.palette.color(QPalette::Window);
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft()); // a few dozen lines: drawn at once
        gradient.setColorAt(0, window.lighter(104));
        gradient.setColorAt(1, window);
        painter->fillRect(rect, gradient);
        painter->fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), blended(window, Qt::white, 90));
        painter->fillRect(QRect(rect.left(), rect.bottom() - 1, rect.width(), 1), blended(window, Qt::black, 60));
        return true;
    }

    // A horizontal progress bar's groove as Fusion draws it: the base colour
    // in an outline, with a faint shadow line inside the top edge.
    bool drawProgressGroove(const QStyleOptionProgressBar& bar, QPainter* painter) const
    {
        if (!(bar.state & State_Horizontal))
            return false;
        const QColor base = bar.palette.color(QPalette::Base);
        painter->fillRect(bar.rect, base);
        outline(painter, bar.rect, outlineColor(bar.palette));
        if (bar.rect.width() > 2)
            painter->fillRect(QRect(bar.rect.left() + 1, bar.rect.top() + 1, bar.rect.width() - 2, 1),
                              blended(base, Qt::black, 18));
        return true;
    }

    // The filled part of a horizontal progress bar as Fusion draws it (a
    // highlight gradient with an outline and a light inner line), with square
    // corners and filled edges. False for a vertical or busy bar.
    bool drawProgress(const QStyleOptionProgressBar& bar, QPainter* painter) const
    {
        const bool horizontal = bar.state & State_Horizontal;
        if (!horizontal || bar.minimum >= bar.maximum)
            return false;
        if (bar.progress <= bar.minimum)
            return true; // nothing filled
        const QRect& rect = bar.rect;
        const qint64 steps = qint64(bar.maximum) - bar.minimum;
        const qint64 done = qint64(std::min(bar.progress, bar.maximum)) - bar.minimum;
        const int width = int(done * rect.width() / steps);
        if (width <= 0)
            return true;
        const bool reverse = (bar.direction == Qt::RightToLeft) != bar.invertedAppearance;
        const QRect filled = reverse ? QRect(rect.right() - width + 1, rect.top(), width, rect.height())
                                     : QRect(rect.left(), rect.top(), width, rect.height());
        const QColor highlight = bar.palette.color(QPalette::Highlight);
        QLinearGradient gradient(rect.topLeft(), rect.bottomLeft()); // a bar's height of lines: drawn at once
        gradient.setColorAt(0, highlight.lighter(120));
        gradient.setColorAt(1, highlight);
        painter->fillRect(filled, gradient);
        outline(painter, filled, highlight.darker(140));
        if (filled.width() > 2 && filled.height() > 2)
            outline(painter, filled.adjusted(1, 1, -1, -1), blended(highlight, Qt::white, 50));
        return true;
    }

    // A flat scroll bar in Fusion's colours: the groove and the handle are
    // filled rectangles; Fusion adds its arrow buttons.
    void drawScrollBar(const QStyleOptionSlider& bar, QPainter* painter, const QWidget* widget) const
    {
        const bool horizontal = bar.orientation == Qt::Horizontal;
        const QColor button = bar.palette.color(QPalette::Button);
        const QColor edge = blended(button, outlineColor(bar.palette), 180);
        if (bar.subControls & SC_ScrollBarGroove) {
            painter->fillRect(bar.rect, button.darker(105));
            // The edge towards the content.
            painter->fillRect(horizontal ? QRect(bar.rect.left(), bar.rect.top(), bar.rect.width(), 1)
                                         : QRect(bar.rect.left(), bar.rect.top(), 1, bar.rect.height()),
                              edge);
        }
        const QRect handle = subControlRect(CC_ScrollBar, &bar, SC_ScrollBarSlider, widget);
        if ((bar.subControls & SC_ScrollBarSlider) && handle.isValid() && !handle.isEmpty()) {
            const bool pressed = (bar.activeSubControls & SC_ScrollBarSlider) && (bar.state & State_Sunken);
            const bool hovered = (bar.activeSubControls & SC_ScrollBarSlider) && (bar.state & State_MouseOver);
            const QColor fill = pressed ? button.darker(110) : hovered ? button.lighter(104) : button;
            painter->fillRect(handle, fill);
            outline(painter, handle, edge);
        }
        QStyleOptionSlider arrows(bar);
        arrows.subControls &= SC_ScrollBarAddLine | SC_ScrollBarSubLine;
        if (arrows.subControls)
            QProxyStyle::drawComplexControl(CC_ScrollBar, &arrows, painter, widget);
    }
};

} // namespace

void useAppStyle(QApplication& app)
{
    Q_UNUSED(app);
    QStyle* current = QApplication::style();
    if (!current || current->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    QApplication::setStyle(newAppStyle());
}

QStyle* newAppStyle()
{
    return new AppStyle(QStringLiteral("Fusion"));
}

} // namespace vrm
