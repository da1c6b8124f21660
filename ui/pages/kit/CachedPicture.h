#pragma once
// A widget that shows a fixed drawing: drawn once for each size into a
// pixmap, and copied to the screen on every paint after that. The terminal
// pictures are anti-aliased drawings the size of a page; drawing one anew
// took about a millisecond of every switch to its page.

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace vrm::kit {

class CachedPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    // Draws the picture over a widget-sized area of `size`.
    virtual void draw(QPainter& painter, const QSize& size) const = 0;

    void paintEvent(QPaintEvent* event) override;
    // A new font, palette or language draws the picture anew.
    void changeEvent(QEvent* event) override;

private:
    QPixmap drawn_;
};

} // namespace vrm::kit
