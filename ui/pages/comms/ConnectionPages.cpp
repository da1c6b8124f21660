#include "ui/pages/comms/ConnectionPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/UiText.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/kit/Widgets.h"

namespace vrm {

using namespace kit;
namespace conn = layout::connection;

namespace {
// Source group of each voice source (its `Tag`): the inputs with the system and
// test events form group 4, each mode change is a group of its own.
const char* const kSourceGroup = "sourceGroup";
constexpr int kInputsAndEvents = 4;
constexpr int kArmGroups[4] = {1, 5, 7, 9};
constexpr int kDisarmGroups[4] = {2, 6, 8, 10};
constexpr int kRestrictedArmGroup = 3;

QLabel* fieldLabel(const QString& text, const QString& name = {})
{
    return makeLabel(text, name);
}
} // namespace

ConnectionPages::ConnectionPages(PageHost& host, QObject* parent)
    : RecordPages(host, layout::connections, QStringLiteral("Panel5"), QStringLiteral("Label74"), true, parent)
{
    build();
}

void ConnectionPages::build()
{
    auto* head = new QGridLayout;
    QLineEdit* phone = fields().text(conn::phone, QStringLiteral("MaskEditPhone"), 15, TextStore::Padded,
                                     QStringLiteral("#00000000000000; "), Trim::Both);
    fields().add([](ConfigImage& image,
                    RecordAt<conn::Record> at) { stripSpaces(image.bytes(at, conn::phone).first<16>()); },
                 {});
    phone->setMinimumWidth(150);
    groupNumber_ = declaredBox(conn::groupNumber.info, QStringLiteral("ComboBoxGroupNum"));
    transportLabel_ = fieldLabel(Ui::tr("Приоритет транспорта"), QStringLiteral("Label85"));
    transportPriority_ = declaredBox(conn::transportPriority.info, QStringLiteral("ComboBoxTransportPriority"));
    typeLabel_ = fieldLabel(Ui::tr("Тип соединения"), QStringLiteral("LabelConnType"));
    connectionType_ = declaredBox(conn::connectionType.info, QStringLiteral("ComboBoxConnectionType"));
    incomingCallAction_ = declaredBox(conn::incomingCallAction.info, QStringLiteral("ComboBoxIncomungCallAction"));
    incomingCallAction_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    incomingCallAction_->setMinimumContentsLength(30);
    transportPriority_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    transportPriority_->setMinimumContentsLength(30);

    auto* phoneRow = new QHBoxLayout;
    phoneRow->addWidget(phone);
    phoneRow->addSpacing(12);
    phoneRow->addWidget(fieldLabel(Ui::tr("принадлежит группе")));
    phoneRow->addWidget(groupNumber_);
    phoneRow->addStretch(1);
    int row = 0;
    head->addWidget(fieldLabel(Ui::tr("Номер")), row, 0);
    head->addLayout(phoneRow, row++, 1);
    head->addWidget(typeLabel_, row, 0);
    head->addWidget(connectionType_, row++, 1, Qt::AlignLeft);
    head->addWidget(transportLabel_, row, 0);
    head->addWidget(transportPriority_, row++, 1);
    head->addWidget(fieldLabel(Ui::tr("Реакция на входящий вызов")), row, 0);
    head->addWidget(incomingCallAction_, row++, 1);
    head->setColumnStretch(1, 1);
    body()->addLayout(head);

    incomingCallOutputs_ = makeGroup(QStringLiteral("GroupBoxInCallToOutsAction"),
                                     Ui::tr(" Воздействие на реле/выходы при входящем вызове "));
    incomingCallOutput_ = declaredBox(conn::incomingCallOutput.info, QStringLiteral("ComboBoxICToOUOutN"));
    incomingCallOutputAction_ = declaredBox(conn::incomingCallOutputAction.info, QStringLiteral("ComboBoxICToOUScnN"));
    auto* outputsRow = new QHBoxLayout(incomingCallOutputs_);
    outputsRow->addWidget(incomingCallOutput_);
    outputsRow->addWidget(incomingCallOutputAction_);
    outputsRow->addStretch(1);
    body()->addWidget(incomingCallOutputs_);

    body()->addWidget(buildVoiceGroup());
    body()->addWidget(buildSmsGroup());
    body()->addStretch(1);

    // Hidden in the form; page entry shows them.
    for (QWidget* w : std::initializer_list<QWidget*>{transportLabel_, transportPriority_, incomingCallOutputs_,
                                                      typeLabel_, connectionType_, jointUse_})
        w->hide();

    bindFields();

    connect(incomingCallAction_, &QComboBox::activated, this, &ConnectionPages::refreshIncomingCallHint);
    connect(transportPriority_, &QComboBox::activated, this, &ConnectionPages::refreshIncomingCallHint);
    connect(connectionType_, &QComboBox::activated, this, &ConnectionPages::connectionTypeChanged);
}

QGroupBox* ConnectionPages::buildVoiceGroup()
{
    voiceGroup_ = makeGroup(QStringLiteral("GroupBoxConSharD"), {});
    auto* layout = new QGridLayout(voiceGroup_);
    voiceEnabled_ = makeCheckBox(QStringLiteral("CheckBoxCallEn"), Ui::tr("Разрешено"));
    voiceCallLength_ = declaredBox(conn::voiceCallLength.info, QStringLiteral("ComboBoxOnLineTime"));
    voiceWaitTime_ = declaredBox(conn::voiceWaitTime.info, QStringLiteral("ComboBoxDialTranspWaitTime"));
    hangUpIsDelivery_ = makeCheckBox(QStringLiteral("CheckBoxNotACK"),
                                     Ui::tr("Отбой вызова, без соединения, считать успешной доставкой"));
    voice_ = bindSources(fields().sub(conn::voiceSources), {.input = QStringLiteral("CheckBoxMaskDInput"),
                              .arm = QStringLiteral("CheckBoxMaskDArm"),
                              .disarm = QStringLiteral("CheckBoxMaskDDisarm"),
                              .restricted = QStringLiteral("CheckBoxMaskCRestrictedArm"),
                              .system = QStringLiteral("CheckBoxMaskDPower"),
                              .test = QStringLiteral("CheckBoxMaskDTest"),
                              .gps = QStringLiteral("CheckBoxMaskDGPS"),
                              .profile = {}});
    int row = 0;
    layout->addWidget(voiceEnabled_, row++, 0, 1, 2);
    layout->addWidget(fieldLabel(Ui::tr("Продолжительность исходящего голосового соединения")), row, 0);
    layout->addWidget(voiceCallLength_, row++, 1, Qt::AlignLeft);
    layout->addWidget(fieldLabel(Ui::tr("Снять данные с передачи, если не переданны за")), row, 0);
    layout->addWidget(voiceWaitTime_, row++, 1, Qt::AlignLeft);
    layout->addWidget(hangUpIsDelivery_, row++, 0, 1, 2);
    layout->addWidget(voice_.group, row++, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    const auto& in = voice_.inputs;
    voiceScanOrder_ = {in[0],           in[1],           in[3],           in[2],          voice_.disarm[0],
                       voice_.system,   voice_.arm[0],   voice_.test,     in[4],          in[5],
                       in[6],           in[7],           voice_.restricted, voice_.arm[1], voice_.disarm[1],
                       voice_.arm[2],   voice_.disarm[2], voice_.arm[3],  voice_.disarm[3], voice_.gps};
    for (QCheckBox* box : in)
        box->setProperty(kSourceGroup, kInputsAndEvents);
    voice_.system->setProperty(kSourceGroup, kInputsAndEvents);
    voice_.test->setProperty(kSourceGroup, kInputsAndEvents);
    voice_.restricted->setProperty(kSourceGroup, kRestrictedArmGroup);
    voice_.gps->setProperty(kSourceGroup, 0);
    for (std::size_t n = 0; n < 4; ++n) {
        voice_.arm[n]->setProperty(kSourceGroup, kArmGroups[n]);
        voice_.disarm[n]->setProperty(kSourceGroup, kDisarmGroups[n]);
    }
    for (QCheckBox* box : voice_.all())
        if (box != voice_.gps)
            connect(box, &QCheckBox::clicked, this, [this, box] { voiceSourceClicked(box); });
    return voiceGroup_;
}

QGroupBox* ConnectionPages::buildSmsGroup()
{
    auto* group = makeGroup({}, Ui::tr(" SMS оповещение "));
    auto* layout = new QGridLayout(group);
    smsEnabled_ = makeCheckBox(QStringLiteral("CheckBoxSMSEn"), Ui::tr("Разрешено"));
    smsWaitTime_ = declaredBox(conn::smsWaitTime.info, QStringLiteral("ComboBoxSMSTranspWaitTime"));
    protocolLabel_ = fieldLabel({}, QStringLiteral("LabelProtocolAlias"));
    smsLanguage_ = declaredBox(conn::smsLanguage.info, QStringLiteral("ComboBoxLang"));
    smsUserIdentity_ = declaredBox(conn::smsUserIdentity.info, QStringLiteral("ComboBoxUserId"));
    controlErrorCheck_ = makeCheckBox(QStringLiteral("CheckBoxDebugMode"),
                                      Ui::tr("Контроль ошибок управляющих сообщений"));
    jointUse_ = makeCheckBox(QStringLiteral("CheckBoxJointUse"), Ui::tr("Режим управления подчиненным контроллером"));
    sms_ = bindSources(fields().sub(conn::smsSources), {.input = QStringLiteral("CheckBoxMaskSInput"),
                            .arm = QStringLiteral("CheckBoxMaskSArm"),
                            .disarm = QStringLiteral("CheckBoxMaskSDisarm"),
                            .restricted = QStringLiteral("CheckBoxMaskSRestrictedArm"),
                            .system = QStringLiteral("CheckBoxMaskSPower"),
                            .test = QStringLiteral("CheckBoxMaskSTest"),
                            .gps = QStringLiteral("CheckBoxMaskSGPS"),
                            .profile = QStringLiteral("CheckBoxMaskSProfile")});
    int row = 0;
    layout->addWidget(smsEnabled_, row++, 0, 1, 2);
    layout->addWidget(fieldLabel(Ui::tr("Снять данные с передачи, если не переданны за")), row, 0);
    layout->addWidget(smsWaitTime_, row++, 1, Qt::AlignLeft);
    layout->addWidget(protocolLabel_, row, 0);
    layout->addWidget(smsLanguage_, row++, 1, Qt::AlignLeft);
    layout->addWidget(fieldLabel(Ui::tr("В сообщении передавать")), row, 0);
    layout->addWidget(smsUserIdentity_, row++, 1, Qt::AlignLeft);
    layout->addWidget(controlErrorCheck_, row++, 0, 1, 2);
    layout->addWidget(jointUse_, row++, 0, 1, 2);
    layout->addWidget(sms_.group, row++, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return group;
}

// The boxes are made where they are laid out and bound in the store order below.
QComboBox* ConnectionPages::declaredBox(const FieldInfo& field, const QString& name)
{
    return makeComboBox(name, fields().items(field));
}

void ConnectionPages::bindFields()
{
    fields().bind(conn::transportPriority, transportPriority_);
    fields().bind(conn::groupNumber, groupNumber_);
    fields().bind(conn::voiceWaitTime, voiceWaitTime_);
    fields().bind(conn::incomingCallAction, incomingCallAction_);
    fields().bind(conn::incomingCallOutput, incomingCallOutput_);
    fields().bind(conn::incomingCallOutputAction, incomingCallOutputAction_);
    fields().bind(conn::hangUpIsDelivery, hangUpIsDelivery_);
    fields().bind(conn::voiceEnabled, voiceEnabled_);
    fields().bind(conn::voiceCallLength, voiceCallLength_);
    fields().bind(conn::connectionType, connectionType_);
    fields().bind(conn::smsWaitTime, smsWaitTime_);
    fields().bind(conn::smsLanguage, smsLanguage_);
    fields().bind(conn::smsUserIdentity, smsUserIdentity_);
    fields().bind(conn::controlErrorCheck, controlErrorCheck_);
    fields().bind(conn::smsEnabled, smsEnabled_);
    fields().bind(conn::jointUse, jointUse_);
}

void ConnectionPages::enter(int)
{
    for (QWidget* w : std::initializer_list<QWidget*>{transportLabel_, transportPriority_, incomingCallOutputs_,
                                                      typeLabel_, connectionType_, jointUse_})
        w->show();
    voice_.showFullSet();
    sms_.showFullSet();
    voiceGroup_->setTitle(Ui::tr(" Голосовое оповещение или вызов типа DATA "));
    protocolLabel_->setText(Ui::tr("Протокол обмена"));
}

void ConnectionPages::refreshIncomingCallHint()
{
    incomingCallAction_->setToolTip(incomingCallAction_->currentText());
}

void ConnectionPages::voiceSourceClicked(QCheckBox* source)
{
    // The rule serves the user's own clicks only; `clicked` comes from nowhere else.
    if (connectionType_->currentIndex() == kVoiceWardLink)
        applyWardLinkRule(source);
}

void ConnectionPages::applyWardLinkRule(QCheckBox* source)
{
    const QVariant group = source->property(kSourceGroup);
    for (QCheckBox* box : voice_.all())
        if (box != source && box->property(kSourceGroup) != group)
            box->setCheckState(Qt::Unchecked);
}

void ConnectionPages::connectionTypeChanged(int index)
{
    if (index != kVoiceWardLink)
        return;
    for (QCheckBox* box : voiceScanOrder_) {
        if (box->checkState() != Qt::Unchecked) {
            box->setFocus(Qt::OtherFocusReason);
            applyWardLinkRule(box);
            break;
        }
    }
    hangUpIsDelivery_->setChecked(true);
}

void ConnectionPages::show(int page, const ConfigImage& image)
{
    RecordPages::show(page, image);
    refreshIncomingCallHint();
}

} // namespace vrm
