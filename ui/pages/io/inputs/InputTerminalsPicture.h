#pragma once
// The picture of the controller's input terminals on page 20: the terminal block
// 10VS, In1-In8, GND with a contact, an analogue sensor and a temperature probe
// wired as examples. Drawn with QPainter in its own coordinates, so it stays
// sharp at any size and keeps its proportions.

#include "ui/pages/kit/CachedPicture.h"

namespace vrm {

class InputTerminalsPicture : public kit::CachedPicture {
    Q_OBJECT
public:
    explicit InputTerminalsPicture(QWidget* parent = nullptr);

    // The drawing's own coordinate space; the widget scales it to fit.
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 360;
    // Terminal captions from left to right.
    static QStringList terminalNames();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // Draws the picture into `painter` over the rectangle `target`, centred and
    // scaled with its proportions kept.
    static void paint(QPainter& painter, const QRect& target);

protected:
    void draw(QPainter& painter, const QSize& size) const override;
};

} // namespace vrm
