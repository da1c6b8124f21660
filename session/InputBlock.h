#pragma once
// While an operation waits for the controller in a local event loop, clicks
// and keys must not reach the window (nothing may change pages or the image
// under it), yet a close request must be answered at once: refused, as any
// close is during an operation. Holding input back in the event loop would
// keep the close too and carry it out when the operation ends; this filter
// drops the user's input instead and lets every other event through, the
// close request included, which the window then refuses.

#include <QObject>

namespace vrm {

class InputBlock : public QObject {
public:
    // Filters the whole application for the life of the object.
    InputBlock();
    ~InputBlock() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vrm
