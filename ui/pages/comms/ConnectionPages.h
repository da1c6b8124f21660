#pragma once
// Pages 2-9, "Соединение 1" ... "Соединение 8" (`Panel5`): one set of controls
// for the eight connection records; page p edits connection p - 1.

#include "ui/pages/kit/RecordPages.h"
#include "ui/pages/kit/SourceGroup.h"

class QGroupBox;

namespace vrm {

class ConnectionPages : public kit::RecordPages<layout::connection::Record> {
public:
    explicit ConnectionPages(PageHost& host, QObject* parent = nullptr);

    void enter(int page) override;
    void show(int page, const ConfigImage& image) override;

    // Connection type index of "Голосовое WL".
    static constexpr int kVoiceWardLink = 2;

private:
    void build();
    QGroupBox* buildVoiceGroup();
    QGroupBox* buildSmsGroup();
    void bindFields();
    QComboBox* declaredBox(const FieldInfo& field, const QString& name);
    void refreshIncomingCallHint();                // ComboBoxIncomungCallActionChange
    void voiceSourceClicked(QCheckBox* source);    // CheckBoxMaskDInput1Click
    void applyWardLinkRule(QCheckBox* source);
    void connectionTypeChanged(int index);         // ComboBoxConnectionTypeChange

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
    kit::SourceBoxes voice_;
    // The voice sources in the order the connection type change scans them.
    std::vector<QCheckBox*> voiceScanOrder_;

    QCheckBox* smsEnabled_ = nullptr;
    QComboBox* smsWaitTime_ = nullptr;
    QLabel* protocolLabel_ = nullptr;
    QComboBox* smsLanguage_ = nullptr;
    QComboBox* smsUserIdentity_ = nullptr;
    QCheckBox* controlErrorCheck_ = nullptr;
    QCheckBox* jointUse_ = nullptr;
    kit::SourceBoxes sms_;
};

} // namespace vrm
