#pragma once
// Page 0, the live status page `Panel10`: the identity of the connected
// controller, GSM registration and signal, input and output indicators,
// perimeter modes, the test and control command buttons, and at its foot the
// operation frame's status label `ActionName` with the progress bar
// `ProgressBar1` (every device operation selects page 0 first, so they are
// in sight whenever an operation reports).
//
// The page shows what it is given; the controller session feeds it from the
// poller and runs the commands its buttons ask for.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <array>
#include <cstdint>

#include "session/IdentityRecord.h"
#include "ui/LabelStatusView.h"
#include "ui/pages/PageGroup.h"
#include "ui/pages/OwnedPanel.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vrm {

struct LiveStatus;

class StatusPage : public PageGroup {
    Q_OBJECT
public:
    explicit StatusPage(PageHost& host, QObject* parent = nullptr);
    ~StatusPage() override;

    QList<int> pages() const override { return {0}; }
    QWidget* panel(int page) override;
    QLabel* titleLabel(int page) override;
    // Outputs 3-5 shown, inputs cut to 1-8, test combo boxes refilled, `ActionName` emptied.
    void enter(int page) override;
    // Page 0 holds no image fields.
    bool hasStoreStep(int) const override { return false; }
    void store(int, ConfigImage&) override {}
    void show(int, const ConfigImage&) override {}

    // The operation frame's status label `ActionName` and progress bar `ProgressBar1`.
    QLabel* actionLabel() const { return actionName_; }
    QProgressBar* actionProgress() const { return progress_; }
    // The two as the operations' status view.
    StatusView& actionStatus() { return actionStatus_; }

    // Identity display (also sets nothing outside the page: the caller sets status panel 2).
    void showIdentity(const QByteArray& record);
    void showBlankIdentity() { showIdentity(blankIdentityRecord()); }
    const IdentityTexts& shownIdentity() const { return shown_; }

    // Live status, as the poller decodes it.
    void showSignalQuality(int quality);
    void showGsmState(const QString& text);
    // Two bits per perimeter; 0xFF blanks all four.
    void showPerimeterModes(uint8_t modes);
    void showInputs(uint16_t mask);
    void showOutputs(uint8_t mask);
    void showBalance(bool present, float value);
    // A live status read of page 0: all of the above, or blanks when `ok` is false.
    void showLiveStatus(bool ok, const LiveStatus& status, const QString& gsmState);

    // `CheckBoxClearSaveArea`: reset the modes memory when programming.
    bool clearModesOnProgram() const;

    // The mailto address behind "Написать в техническую поддержку".
    QUrl supportMailUrl() const;

signals:
    // A command button asked for a control command (3-byte payload: class, number, argument).
    void controlCommandRequested(const QByteArray& payload);

private:
    void build();
    QWidget* buildIdentityGroup();
    QWidget* buildGsmGroup();
    QWidget* buildInputGroup();
    QWidget* buildOutputGroup();
    QWidget* buildPerimeterGroup();
    QWidget* buildTestGroup();
    QWidget* buildFooter();
    void fillTestCombos();
    void request(uint8_t objectClass, uint8_t number, uint8_t argument);

    OwnedPanel panel_;
    QLabel* title_ = nullptr;
    QLabel* actionName_ = nullptr;
    QProgressBar* progress_ = nullptr;
    LabelStatusView actionStatus_;

    std::array<QLabel*, 10> identityLabels_{};
    IdentityTexts shown_;

    QProgressBar* signal_ = nullptr;
    QLabel* gsmState_ = nullptr;
    QLabel* balance_ = nullptr;

    std::array<QFrame*, 16> inputLeds_{};
    std::array<QPushButton*, 16> imitateButtons_{};
    std::array<QLabel*, 16> inputLabels_{};
    std::array<QFrame*, 7> outputLeds_{};
    std::array<QLabel*, 7> outputLabels_{};
    std::array<QPushButton*, 7> onButtons_{};
    std::array<QPushButton*, 7> offButtons_{};

    std::array<QLabel*, 4> perimeterPanels_{};
    std::array<bool, 4> blinkRed_{};
    QComboBox* selectedPerimeter_ = nullptr;

    QComboBox* testOutput_ = nullptr;
    QComboBox* testScenario_ = nullptr;
    QCheckBox* clearSaveArea_ = nullptr;
};

} // namespace vrm
