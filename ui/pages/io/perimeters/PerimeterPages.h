#pragma once
// Pages 16-19, "Периметр 1" ... "Периметр 4" (`PanelPerimeters`): one set of
// controls for the four perimeter records, the links of the inputs to the
// shown perimeter, and the touch-memory key table that all four share.

#include <QList>
#include <array>

#include "ui/pages/io/perimeters/KeyPanel.h"
#include "ui/pages/kit/RecordPages.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QSpinBox;

namespace vrm {

class PerimeterPages : public kit::RecordPages<layout::perimeter::Record> {
    Q_OBJECT
public:
    explicit PerimeterPages(PageHost& host, QObject* parent = nullptr);

    void enter(int page) override;
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

    KeyPanel* keyPanel() const { return keyPanel_; }

public slots:
    // One poll of the controller's key reader while a perimeter page is shown
    // (ControllerAccess::KeyOutcome and the 16 digits of a key read).
    void keyPolled(int outcome, const QString& code);

private:
    void build();
    QGroupBox* buildArmInGroup();
    QGroupBox* buildLinkGroup();
    QWidget* buildActionGroups();
    void storeKeys(ConfigImage& image) const;
    void showKeys(const ConfigImage& image);

    int perimeter_ = 1; // of the page being stored or shown
    QButtonGroup* armInButtons_ = nullptr;
    QLabel* armOutLabel_ = nullptr;
    QCheckBox* redirectToOut_ = nullptr;
    std::array<QCheckBox*, 16> links_{};
    std::array<QComboBox*, 3> profiles_{};
    QLabel* description_ = nullptr;
    KeyPanel* keyPanel_ = nullptr;
};

} // namespace vrm
