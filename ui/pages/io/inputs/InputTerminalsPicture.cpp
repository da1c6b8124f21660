#include "ui/pages/io/inputs/InputTerminalsPicture.h"

#include "model/UiText.h"

#include <QPainter>
#include <QPainterPath>

namespace vrm {

namespace {

// Drawing coordinates (kWidth x kHeight).
constexpr int kFirstTerminalX = 40;  // centre of the leftmost terminal
constexpr int kTerminalPitch = 62;
constexpr int kBlockTop = 70;
constexpr int kBlockBottom = 124;
constexpr int kGroundBusY = 304;

const QColor kInk(0x20, 0x2A, 0x33);
const QColor kBoard(0xE3, 0xEE, 0xE6);
const QColor kBoardEdge(0x6C, 0x8F, 0x78);
const QColor kBlock(0x3E, 0x7C, 0x5A);
const QColor kScrew(0xD9, 0xDD, 0xE0);
const QColor kPowerWire(0xC0, 0x39, 0x2B);
const QColor kGroundWire(0x2C, 0x3E, 0x50);
const QColor kSignalWire(0x1F, 0x6F, 0xB2);
const QColor kNote(0x50, 0x5A, 0x62);

int terminalX(int index) { return kFirstTerminalX + kTerminalPitch * index; }

QFont pixelFont(int size, bool bold = false)
{
    QFont font;
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

void drawDot(QPainter& p, QPointF at, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, 4, 4);
    p.restore();
}

void drawWire(QPainter& p, const QColor& colour, std::initializer_list<QPointF> points)
{
    p.save();
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points.begin(), int(points.size()));
    p.restore();
}

void drawTerminalBlock(QPainter& p)
{
    const QStringList names = InputTerminalsPicture::terminalNames();
    const QRectF block(terminalX(0) - 28, kBlockTop, kTerminalPitch * (names.size() - 1) + 56,
                       kBlockBottom - kBlockTop);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kBlock);
    p.drawRoundedRect(block, 5, 5);

    for (int i = 0; i < names.size(); ++i) {
        const int x = terminalX(i);
        // One clamp: a screw head with its slot, the wire entry below it.
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kScrew);
        p.drawEllipse(QPointF(x, kBlockTop + 20), 13, 13);
        p.drawLine(QPointF(x - 8, kBlockTop + 28), QPointF(x + 8, kBlockTop + 12));
        p.setBrush(kInk);
        p.drawRect(QRectF(x - 9, kBlockBottom - 16, 18, 10));
        if (i > 0) {
            p.setPen(QPen(kInk.lighter(160), 1));
            const qreal between = x - kTerminalPitch / 2.0;
            p.drawLine(QPointF(between, kBlockTop + 4), QPointF(between, kBlockBottom - 4));
        }
        p.setPen(kInk);
        p.setFont(pixelFont(15, true));
        p.drawText(QRectF(x - 31, kBlockTop - 24, 62, 20), Qt::AlignCenter, names[i]);
    }
}

// A normally closed contact between the wire from the top and the ground bus.
void drawContact(QPainter& p, int x)
{
    drawWire(p, kSignalWire, {QPointF(x, kBlockBottom - 6), QPointF(x, 186)});
    drawWire(p, kGroundWire, {QPointF(x, 226), QPointF(x, kGroundBusY)});
    p.save();
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 186), QPointF(x + 16, 222)); // the switch blade
    p.setBrush(Qt::white);
    p.setPen(QPen(kInk, 2));
    p.drawEllipse(QPointF(x, 186), 3.5, 3.5);
    p.drawEllipse(QPointF(x, 226), 3.5, 3.5);
    p.restore();
}

// A sensor powered from 10VS whose 0-10 V output goes to the input to its right.
void drawAnalogueSensor(QPainter& p, int supplyX, int inputX)
{
    const QRectF box(supplyX - 22, 190, inputX - supplyX + 44, 56);
    drawWire(p, kPowerWire, {QPointF(supplyX, kBlockBottom - 6), QPointF(supplyX, box.top())});
    drawWire(p, kSignalWire, {QPointF(inputX, kBlockBottom - 6), QPointF(inputX, box.top())});
    drawWire(p, kGroundWire, {QPointF(box.center().x(), box.bottom()), QPointF(box.center().x(), kGroundBusY)});
    p.save();
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 6, 6);
    p.setPen(kInk);
    p.setFont(pixelFont(13, true));
    p.drawText(box.adjusted(0, 14, 0, -14), Qt::AlignCenter, Ui::tr("0-10 В"));
    // Pin marks at the leads: supply, output, common.
    p.setFont(pixelFont(11));
    p.drawText(QRectF(supplyX - 12, box.top() + 2, 24, 14), Qt::AlignCenter, QStringLiteral("+"));
    p.drawText(QRectF(inputX - 16, box.top() + 2, 32, 14), Qt::AlignCenter, Ui::tr("вых"));
    p.drawText(QRectF(box.center().x() - 12, box.bottom() - 16, 24, 14), Qt::AlignCenter, QStringLiteral("−"));
    p.restore();
    drawDot(p, QPointF(box.center().x(), kGroundBusY), kGroundWire);
}

// A resistive temperature probe between the input and the ground bus.
void drawProbe(QPainter& p, int x)
{
    drawWire(p, kSignalWire, {QPointF(x, kBlockBottom - 6), QPointF(x, 180)});
    drawWire(p, kGroundWire, {QPointF(x, 250), QPointF(x, kGroundBusY)});
    p.save();
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x - 9, 180, 18, 70));
    // The slanted stroke with a foot marks a resistance that follows temperature.
    p.drawLine(QPointF(x - 20, 240), QPointF(x + 20, 192));
    p.drawLine(QPointF(x - 28, 240), QPointF(x - 20, 240));
    p.restore();
}

void drawLabel(QPainter& p, const QRectF& at, const QString& title, const QString& detail)
{
    p.save();
    p.setPen(kInk);
    p.setFont(pixelFont(13, true));
    p.drawText(QRectF(at.left(), at.top(), at.width(), 18), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(kNote);
    p.setFont(pixelFont(12));
    p.drawText(QRectF(at.left(), at.top() + 18, at.width(), at.height() - 18), Qt::AlignLeft | Qt::TextWordWrap,
               detail);
    p.restore();
}

} // namespace

InputTerminalsPicture::InputTerminalsPicture(QWidget* parent) : kit::CachedPicture(parent)
{
    setObjectName(QStringLiteral("InputTerminalsPicture"));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QStringList InputTerminalsPicture::terminalNames()
{
    return {QStringLiteral("10VS"), QStringLiteral("In1"), QStringLiteral("In2"), QStringLiteral("In3"),
            QStringLiteral("In4"),  QStringLiteral("In5"), QStringLiteral("In6"), QStringLiteral("In7"),
            QStringLiteral("In8"),  QStringLiteral("GND")};
}

QSize InputTerminalsPicture::sizeHint() const { return {kWidth * 3 / 4, kHeight * 3 / 4}; }

QSize InputTerminalsPicture::minimumSizeHint() const { return {kWidth / 2, kHeight / 2}; }

int InputTerminalsPicture::heightForWidth(int width) const { return width * kHeight / kWidth; }

void InputTerminalsPicture::paint(QPainter& p, const QRect& target)
{
    // Largest rectangle of the drawing's proportions, centred in the target.
    QSize size(kWidth, kHeight);
    size.scale(target.size(), Qt::KeepAspectRatio);
    const QRect viewport(target.x() + (target.width() - size.width()) / 2,
                         target.y() + (target.height() - size.height()) / 2, size.width(), size.height());

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setViewport(viewport);
    p.setWindow(0, 0, kWidth, kHeight);

    // Board edge of the controller behind the terminals.
    p.setPen(QPen(kBoardEdge, 2));
    p.setBrush(kBoard);
    p.drawRoundedRect(QRectF(4, 4, kWidth - 8, kHeight - 8), 12, 12);
    p.setPen(kBoardEdge);
    p.setFont(pixelFont(13, true));
    p.drawText(QRectF(16, 10, kWidth - 32, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("VRM530"));

    drawTerminalBlock(p);

    // The ground bus runs from GND under every example.
    const int groundX = terminalX(9);
    drawWire(p, kGroundWire, {QPointF(groundX, kBlockBottom - 6), QPointF(groundX, kGroundBusY),
                              QPointF((terminalX(0) + terminalX(1)) / 2.0, kGroundBusY)});

    drawAnalogueSensor(p, terminalX(0), terminalX(1));
    drawContact(p, terminalX(3));
    drawDot(p, QPointF(terminalX(3), kGroundBusY), kGroundWire);
    drawProbe(p, terminalX(5));
    drawDot(p, QPointF(terminalX(5), kGroundBusY), kGroundWire);

    drawLabel(p, QRectF(terminalX(0) - 26, 312, 150, 40), Ui::tr("In1: аналоговый"), Ui::tr("датчик 0-10 В"));
    drawLabel(p, QRectF(terminalX(3) - 60, 312, 140, 40), Ui::tr("In3: дискретный"), Ui::tr("контакт на GND"));
    drawLabel(p, QRectF(terminalX(5) - 30, 312, 140, 40), Ui::tr("In5: термодатчик"), Ui::tr("TS-41 или TS-42"));
    drawLabel(p, QRectF(terminalX(6) + 24, 150, 150, 140), Ui::tr("Входы In1-In8"),
              Ui::tr("равноценны: тип каждого входа выбирается на его странице.\n"
                     "10VS - питание датчиков,\nGND - общий провод."));
    p.restore();
}

void InputTerminalsPicture::draw(QPainter& painter, const QSize& size) const
{
    paint(painter, QRect(QPoint(0, 0), size));
}

} // namespace vrm
