#include "ui/pages/kit/CachedPicture.h"

#include <QEvent>
#include <QPainter>

namespace vrm::kit {

void CachedPicture::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (drawn_.size() != pixels || drawn_.devicePixelRatio() != ratio) {
        drawn_ = QPixmap(pixels);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QPainter painter(&drawn_);
        draw(painter, size());
    }
    QPainter(this).drawPixmap(0, 0, drawn_);
}

void CachedPicture::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::LanguageChange:
    case QEvent::StyleChange:
        drawn_ = QPixmap();
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

} // namespace vrm::kit
