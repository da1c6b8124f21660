#pragma once
// The controller's output terminals as a drawing: relays 1-2 with their
// contacts and outputs 1-5 switching to the common ground, on the edge of the
// board. Drawn in its own coordinates and scaled to the widget, so it stays
// sharp at any size.

#include "ui/pages/kit/CachedPicture.h"

namespace vrm {

class OutputTerminalsPicture : public kit::CachedPicture {
    Q_OBJECT
public:
    explicit OutputTerminalsPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // The drawing in its own 640 x 300 coordinates.
    static void paintTerminals(QPainter& painter);
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 300;

protected:
    void draw(QPainter& painter, const QSize& size) const override;
};

} // namespace vrm
