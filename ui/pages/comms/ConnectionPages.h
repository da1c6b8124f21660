#pragma once
// Pages 2-9, "Соединение 1" ... "Соединение 8" (`Panel5`): one set of controls
// for the eight connection records; page p edits connection p - 1.

#include "ui/pages/PageGroup.h"
#include "ui/pages/comms/SourceBoxes.h"
#include "ui/pages/OwnedPanel.h"

class QGroupBox;

namespace vrm {

class ConnectionPages : public PageGroup {
    Q_OBJECT
public:
    explicit ConnectionPages(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override { return {2, 3, 4, 5, 6, 7, 8, 9}; }
    QWidget* panel(int) override { return panel_; }
    QLabel* titleLabel(int) override { return title_; }
    void enter(int page) override;
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

    // Connection type index of "Голосовое WL".
    static constexpr int kVoiceWardLink = 2;

private:
    void build();
    QGroupBox* buildVoiceGroup();
    QGroupBox* buildSmsGroup();
    void bindFields();
    void refreshIncomingCallHint();                // ComboBoxIncomungCallActionChange
    void voiceSourceClicked(QCheckBox* source);    // CheckBoxMaskDInput1Click
    void applyWardLinkRule(QCheckBox* source);
    void connectionTypeChanged(int index);         // ComboBoxConnectionTypeChange
    static std::size_t recordOf(int page);

    OwnedPanel panel_;
    QLabel* title_ = nullptr;
    QLineEdit* phone_ = nullptr;
    QLabel* transportLabel_ = nullptr;
    QComboBox* transportPriority_ = nullptr;
    QComboBox* groupNumber_ = nullptr;
    QLabel* typeLabel_ = nullptr;
    QComboBox* connectionType_ = nullptr;
    QComboBox* incomingCallAction_ = nullptr;
    QGroupBox* incomingCallOutputs_ = nullptr;
    QComboBox* incomingCallOutput_ = nullptr;
    QComboBox* incomingCallOutputAction_ = nullptr;

    QGroupBox* voiceGroup_ = nullptr;
    QCheckBox* voiceEnabled_ = nullptr;
    QComboBox* voiceCallLength_ = nullptr;
    QComboBox* voiceWaitTime_ = nullptr;
    QCheckBox* hangUpIsDelivery_ = nullptr;
    comms::SourceBoxes voice_;
    // The voice sources in the order the connection type change scans them.
    std::vector<QCheckBox*> voiceScanOrder_;

    QCheckBox* smsEnabled_ = nullptr;
    QComboBox* smsWaitTime_ = nullptr;
    QLabel* protocolLabel_ = nullptr;
    QComboBox* smsLanguage_ = nullptr;
    QComboBox* smsUserIdentity_ = nullptr;
    QCheckBox* controlErrorCheck_ = nullptr;
    QCheckBox* jointUse_ = nullptr;
    comms::SourceBoxes sms_;

    // Every combo box and check box that keeps one field of the record.
    comms::FieldBindings fields_;
};

} // namespace vrm
