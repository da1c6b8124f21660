#include "ui/pages/io/outputs/OutputTerminalsPicture.h"

#include "model/UiText.h"

#include <QPainter>
#include <QPainterPath>

namespace vrm {

namespace {

const QColor kBoard(38, 102, 64);
const QColor kBoardEdge(22, 64, 38);
const QColor kSilk(236, 240, 232);
const QColor kBlock(40, 110, 190);
const QColor kBlockEdge(20, 60, 110);
const QColor kMetal(200, 204, 208);
const QColor kInk(30, 30, 30);
const QColor kRelayColour(190, 60, 40);
const QColor kOutputColour(40, 90, 170);

constexpr int kTerminals = 10;   // relay 1 (2), relay 2 (2), outputs 1-5, ground
constexpr double kPitch = 56;
constexpr double kFirstTerminal = 68;
constexpr double kBlockTop = 214;
constexpr double kScrewY = 246;

double terminalX(int index) { return kFirstTerminal + kPitch * index; }

QFont fontOfSize(double pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    return font;
}

void drawScrew(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(kBlockEdge, 1.5));
    painter.setBrush(kMetal);
    painter.drawEllipse(centre, 13, 13);
    painter.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-8, 8), centre + QPointF(8, -8));
}

// A switch contact between two terminal pins, with its coil drawn above.
void drawRelay(QPainter& painter, int firstTerminal, const QString& caption)
{
    const double left = terminalX(firstTerminal);
    const double right = terminalX(firstTerminal + 1);
    const double pinTop = 150;
    painter.setPen(QPen(kSilk, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(left, kBlockTop), QPointF(left, pinTop));
    painter.drawLine(QPointF(right, kBlockTop), QPointF(right, pinTop + 12));
    painter.drawLine(QPointF(left, pinTop), QPointF(right - 6, pinTop - 10)); // open contact
    painter.setBrush(kSilk);
    painter.drawEllipse(QPointF(right, pinTop + 12), 3, 3);
    painter.drawEllipse(QPointF(left, pinTop), 3, 3);
    // Coil with its mechanical link to the contact.
    const QRectF coil(left + 8, 84, right - left - 16, 26);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kSilk, 2));
    painter.drawRect(coil);
    painter.drawLine(coil.topLeft() + QPointF(0, 26), coil.topRight());
    painter.setPen(QPen(kSilk, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(coil.center().x(), coil.bottom()), QPointF(coil.center().x(), pinTop - 4));

    painter.setPen(kRelayColour.lighter(170));
    painter.setFont(fontOfSize(15, true));
    painter.drawText(QRectF(left - 20, 52, right - left + 40, 24), Qt::AlignCenter, caption);
}

// An open-collector output: transistor from the pin down to the ground rail.
void drawOutput(QPainter& painter, int terminal, int number)
{
    const double x = terminalX(terminal);
    const double base = 128;
    painter.setPen(QPen(kSilk, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x, kBlockTop), QPointF(x, base + 10));
    painter.drawLine(QPointF(x, base + 10), QPointF(x - 10, base + 2));
    painter.drawLine(QPointF(x - 10, base - 14), QPointF(x - 10, base + 14)); // transistor base bar
    painter.drawLine(QPointF(x - 10, base - 2), QPointF(x, base - 10));
    painter.drawLine(QPointF(x, base - 10), QPointF(x, 110));                 // emitter to the ground rail
    painter.setFont(fontOfSize(12, true));
    painter.setPen(kOutputColour.lighter(190));
    painter.drawText(QRectF(x - 28, 60, 56, 40), Qt::AlignCenter | Qt::TextWordWrap, Ui::tr("Выход\n%1").arg(number));
}

} // namespace

OutputTerminalsPicture::OutputTerminalsPicture(QWidget* parent) : kit::CachedPicture(parent)
{
    setObjectName(QStringLiteral("ImageOutputs"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize OutputTerminalsPicture::sizeHint() const { return {kWidth, kHeight}; }

QSize OutputTerminalsPicture::minimumSizeHint() const { return {kWidth / 2, kHeight / 2}; }

int OutputTerminalsPicture::heightForWidth(int width) const { return width * kHeight / kWidth; }

void OutputTerminalsPicture::draw(QPainter& painter, const QSize& size) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = std::min(size.width() / double(kWidth), size.height() / double(kHeight));
    painter.translate((size.width() - kWidth * scale) / 2, (size.height() - kHeight * scale) / 2);
    painter.scale(scale, scale);
    paintTerminals(painter);
}

void OutputTerminalsPicture::paintTerminals(QPainter& painter)
{
    // Board.
    QPainterPath board;
    board.addRoundedRect(QRectF(8, 8, kWidth - 16, 240), 14, 14);
    painter.setPen(QPen(kBoardEdge, 3));
    painter.setBrush(kBoard);
    painter.drawPath(board);
    painter.setPen(kSilk);
    painter.setFont(fontOfSize(16, true));
    painter.drawText(QRectF(24, 16, 200, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VRM530"));

    // Relay and output groups, outlined on the silk screen.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kRelayColour.lighter(150), 1.5, Qt::DotLine));
    painter.drawRoundedRect(QRectF(terminalX(0) - 26, 48, kPitch + 52, 160), 8, 8);
    painter.drawRoundedRect(QRectF(terminalX(2) - 26, 48, kPitch + 52, 160), 8, 8);
    painter.setPen(QPen(kOutputColour.lighter(180), 1.5, Qt::DotLine));
    painter.drawRoundedRect(QRectF(terminalX(4) - 26, 48, kPitch * 5 + 52, 160), 8, 8);

    drawRelay(painter, 0, Ui::tr("Реле 1", "terminal"));
    drawRelay(painter, 2, Ui::tr("Реле 2", "terminal"));
    for (int n = 1; n <= 5; ++n)
        drawOutput(painter, 3 + n, n);
    // Ground rail from the outputs to the ground terminal.
    const double rail = 110;
    painter.setPen(QPen(kSilk, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(terminalX(4), rail), QPointF(terminalX(9), rail));
    painter.drawLine(QPointF(terminalX(9), rail), QPointF(terminalX(9), kBlockTop));

    // Terminal block with one screw and one marking per pin.
    painter.setPen(QPen(kBlockEdge, 2));
    painter.setBrush(kBlock);
    painter.drawRoundedRect(QRectF(terminalX(0) - kPitch / 2, kBlockTop, kPitch * kTerminals, 66), 6, 6);
    const QString marks[kTerminals] = {"K1", "K1", "K2", "K2", "OUT1", "OUT2", "OUT3", "OUT4", "OUT5", "GND"};
    for (int t = 0; t < kTerminals; ++t) {
        if (t > 0) {
            painter.setPen(QPen(kBlockEdge, 1));
            painter.drawLine(QPointF(terminalX(t) - kPitch / 2, kBlockTop + 4),
                             QPointF(terminalX(t) - kPitch / 2, kBlockTop + 62));
        }
        drawScrew(painter, QPointF(terminalX(t), kScrewY));
        painter.setPen(Qt::white);
        painter.setFont(fontOfSize(12, true));
        painter.drawText(QRectF(terminalX(t) - kPitch / 2, 262, kPitch, 16), Qt::AlignCenter, marks[t]);
    }
}

} // namespace vrm
