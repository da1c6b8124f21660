#pragma once
// The factory reset countdown: when the controller refuses the empty
// password, its configuration can only be reset by keeping it connected for
// 30 minutes. The dialog counts down once a second and gives up as soon as
// the live status poller stops hearing the controller.

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

namespace vrm {

class TFormClearConfig : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSeconds = 1800;

    // `deviceLost` is true when a poller runs and no longer hears the controller.
    explicit TFormClearConfig(std::function<bool()> deviceLost, QWidget* parent = nullptr);

    // True once the countdown reached 0; false when cancelled or the device was lost.
    bool completed() const { return completed_; }
    int remaining() const;

public slots:
    // One second passed.
    void tick();

private:
    void showRemaining(int seconds);

    std::function<bool()> deviceLost_;
    QLabel* seconds_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QTimer* timer_ = nullptr;
    bool completed_ = false;
};

} // namespace vrm
