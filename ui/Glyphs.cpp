#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vrm {

namespace {

constexpr int kSize = 24;

const QColor kOutline(0x30, 0x30, 0x30);

void drawPage(QPainter& p, const QRectF& r, const QColor& fill)
{
    const qreal fold = r.width() * 0.35;
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(fill);
    p.drawPath(page);
    p.drawPolyline(QPolygonF{QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                             QPointF(r.right(), r.top() + fold)});
}


// The controller: a dark chip with pins on both sides.
void drawChip(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kOutline, 1.2));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + 3 + i * (r.height() - 6) / 2;
        p.drawLine(QPointF(r.left() - 2.5, y), QPointF(r.left(), y));
        p.drawLine(QPointF(r.right(), y), QPointF(r.right() + 2.5, y));
    }
    p.setBrush(QColor(0x3C, 0x4A, 0x5A));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(QColor(0xD0, 0xD8, 0xE0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(r.left() + 3, r.top() + 3), 1.2, 1.2);
}

// A thick arrow from `from` to `to`.
void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::FlatCap));
    const QLineF shaft(from, to);
    QLineF shortened = shaft;
    shortened.setLength(shaft.length() - 4);
    p.drawLine(shortened);
    QLineF normal = shaft.normalVector();
    normal.setLength(4.5);
    const QPointF side = normal.p2() - normal.p1();
    const QPointF base = shortened.p2();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{base + side, to, base - side});
}

void drawNew(QPainter& p)
{
    drawPage(p, QRectF(5, 2, 14, 20), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF0, 0xB4, 0x10));
    p.drawEllipse(QPointF(17, 18), 4, 4);
}

void drawOpen(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xE8, 0xB8, 0x40));
    p.drawRect(QRectF(2, 6, 18, 14));
    p.drawRect(QRectF(2, 4, 8, 2));
    p.setBrush(QColor(0xF8, 0xD8, 0x70));
    p.drawPolygon(QPolygonF{QPointF(5, 10), QPointF(22, 10), QPointF(19, 20), QPointF(2, 20)});
}

void drawSave(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0x30, 0x60, 0xB0));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 12, 7));
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRect(QRectF(7, 14, 10, 7));
    p.setBrush(QColor(0x30, 0x60, 0xB0));
    p.drawRect(QRectF(14, 4.5, 2.5, 4));
}

void drawProgram(QPainter& p)
{
    drawChip(p, QRectF(5, 12, 14, 10));
    drawArrow(p, QPointF(12, 1), QPointF(12, 13), QColor(0xD0, 0x20, 0x20));
}

void drawReconfigure(QPainter& p)
{
    drawChip(p, QRectF(5, 12, 14, 10));
    drawArrow(p, QPointF(12, 1), QPointF(12, 13), QColor(0x20, 0x90, 0x30));
}

void drawRead(QPainter& p)
{
    drawChip(p, QRectF(5, 12, 14, 10));
    drawArrow(p, QPointF(12, 13), QPointF(12, 1), QColor(0x20, 0x60, 0xD0));
}

void drawCompare(QPainter& p)
{
    drawPage(p, QRectF(2, 2, 11, 15), Qt::white);
    drawPage(p, QRectF(11, 7, 11, 15), QColor(0xE8, 0xF0, 0xFF));
    p.setPen(QPen(QColor(0x20, 0x60, 0xD0), 2.0));
    p.drawLine(QPointF(13.5, 13), QPointF(19.5, 13));
    p.drawLine(QPointF(13.5, 17), QPointF(19.5, 17));
}

void drawPort(QPainter& p)
{
    // The nine-pin connector, seen from the front.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0xB0, 0xB8, 0xC0));
    p.drawPolygon(QPolygonF{QPointF(2, 7), QPointF(22, 7), QPointF(19, 17), QPointF(5, 17)});
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(5.5 + i * 3.25, 10), 1.1, 1.1);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(7 + i * 3.3, 14), 1.1, 1.1);
}

void drawRestart(QPainter& p)
{
    const QColor red(0xD0, 0x20, 0x20);
    p.setPen(QPen(red, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 16, 16), 120 * 16, 280 * 16);
    // Arrow head at the start of the arc (upper left), pointing clockwise.
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPolygon(QPolygonF{QPointF(3, 3), QPointF(11, 4), QPointF(6, 10)});
}

} // namespace

QIcon glyph(int index)
{
    void (*draw)(QPainter&) = nullptr;
    switch (index) {
    case 0: draw = drawNew; break;
    case 1: draw = drawOpen; break;
    case 2: draw = drawSave; break;
    case 4: draw = drawReconfigure; break;
    case 5: draw = drawRead; break;
    case 6: draw = drawCompare; break;
    case 7: draw = drawPort; break;
    case 8: draw = drawRestart; break;
    case 9: draw = drawProgram; break;
    default: return {};
    }
    // Drawn again at each size a toolbar or menu may ask for, up to four
    // times the design size, so that a scaled screen gets sharp lines rather
    // than a magnified bitmap.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 44, 48, 64, 72, 96, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(size) / kSize, qreal(size) / kSize);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace vrm
