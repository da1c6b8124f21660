#pragma once
// A label that works out its height at a given width once for each text,
// font and width. Layouts ask a wrapping label for that height again and
// again on every page switch, and a selectable label lays its whole text out
// twice for each answer; with the answer kept, a page with wrapped texts
// switches as fast as one without.

#include <QFont>
#include <QLabel>
#include <QMargins>
#include <QString>

namespace vrm::kit {

class CachedHeightLabel : public QLabel {
public:
    explicit CachedHeightLabel(const QString& text = {}, QWidget* parent = nullptr) : QLabel(text, parent) {}

    int heightForWidth(int width) const override;

private:
    // What the height depends on, as of the kept answer.
    struct Key {
        int width = -1;
        QString text;
        QFont font;
        QMargins margins;
        Qt::Alignment alignment;
        int margin = 0;
        int indent = 0;
        bool operator==(const Key&) const = default;
    };
    mutable Key key_;
    mutable int height_ = -1;
};

} // namespace vrm::kit
