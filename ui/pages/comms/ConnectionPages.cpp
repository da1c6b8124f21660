#include "ui/pages/comms/ConnectionPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "model/FactoryImage.h"
#include "ui/pages/comms/PageWidgets.h"

namespace vrm {

using namespace comms;
namespace conn = layout::connection;

namespace {
// Source group of each voice source (its `Tag`): the inputs with the system and
// test events form group 4, each mode change is a group of its own.
const char* const kSourceGroup = "sourceGroup";
constexpr int kInputsAndEvents = 4;
constexpr int kArmGroups[4] = {1, 5, 7, 9};
constexpr int kDisarmGroups[4] = {2, 6, 8, 10};
constexpr int kRestrictedArmGroup = 3;

const SourceFields kVoiceSources{.inputsSet = &conn::voiceInputsSet,
                                 .inputsChecked = &conn::voiceInputsChecked,
                                 .arm = &conn::voiceArm,
                                 .disarm = &conn::voiceDisarm,
                                 .restricted = &conn::voiceRestrictedArm,
                                 .system = &conn::voiceSystemEvents,
                                 .test = &conn::voiceTest,
                                 .gps = &conn::voiceGps};
const SourceFields kSmsSources{.inputsSet = &conn::smsInputsSet,
                               .inputsChecked = &conn::smsInputsChecked,
                               .arm = &conn::smsArm,
                               .disarm = &conn::smsDisarm,
                               .restricted = &conn::smsRestrictedArm,
                               .system = &conn::smsSystemEvents,
                               .test = &conn::smsTest,
                               .gps = &conn::smsGps,
                               .profile = &conn::smsProfile};

QStringList waitTimes()
{
    return numberedItems(1, 16, QStringLiteral(" Min."));
}

QStringList outputNames()
{
    return {QStringLiteral("Реле 1"),  QStringLiteral("Реле 2"),  QStringLiteral("Выход 1"), QStringLiteral("Выход 2"),
            QStringLiteral("Выход 3"), QStringLiteral("Выход 4"), QStringLiteral("Выход 5")};
}

QStringList actionNames()
{
    return QStringList{QStringLiteral("нет реакции"), QStringLiteral("включить"), QStringLiteral("выключить")}
           + numberedItems(1, 14, {}, QStringLiteral("сценарий "));
}

QLabel* fieldLabel(const QString& text, const QString& name = {})
{
    return makeLabel(text, name);
}
} // namespace

ConnectionPages::ConnectionPages(PageHost& host, QObject* parent) : PageGroup(host, parent)
{
    build();
}

std::size_t ConnectionPages::recordOf(int page)
{
    return layout::connections.at(std::size_t(page - 2));
}

void ConnectionPages::build()
{
    PageFrame frame = makePageFrame(QStringLiteral("Panel5"), QStringLiteral("Label74"), true);
    panel_ = frame.panel;
    title_ = frame.title;

    auto* head = new QGridLayout;
    phone_ = makeEdit(QStringLiteral("MaskEditPhone"), 15, QStringLiteral("#00000000000000; "));
    phone_->setMinimumWidth(150);
    groupNumber_ = makeComboBox(QStringLiteral("ComboBoxGroupNum"), numberedItems(1, 8));
    transportLabel_ = fieldLabel(QStringLiteral("Приоритет транспорта"), QStringLiteral("Label85"));
    transportPriority_ = makeComboBox(QStringLiteral("ComboBoxTransportPriority"),
                                      {QStringLiteral("Голосовое и SMS оповещения равнозначны"),
                                       QStringLiteral("Посылать SMS только если не доставлено голосовое оповещ."),
                                       QStringLiteral("Голосовое оповещение только если не отправлено SMS")});
    typeLabel_ = fieldLabel(QStringLiteral("Тип соединения"), QStringLiteral("LabelConnType"));
    connectionType_ = makeComboBox(QStringLiteral("ComboBoxConnectionType"),
                                   {QStringLiteral("Голосовое"), QStringLiteral("WardLink"), QStringLiteral("Голосовое WL")});
    incomingCallAction_ = makeComboBox(
        QStringLiteral("ComboBoxIncomungCallAction"),
        {QStringLiteral("Принять и перейти в голосовое меню, с паролем (DTMF управление)"),
         QStringLiteral("Принять и перейти в голосовое меню, без пароля (DTMF управление)"),
         QStringLiteral("Отбить (DTMF управление невозможно)"),
         QStringLiteral("Отбить и изменить режим (ОХРАНА/НАБЛЮДЕНИЕ)")});
    incomingCallAction_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    incomingCallAction_->setMinimumContentsLength(30);
    transportPriority_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    transportPriority_->setMinimumContentsLength(30);

    auto* phoneRow = new QHBoxLayout;
    phoneRow->addWidget(phone_);
    phoneRow->addSpacing(12);
    phoneRow->addWidget(fieldLabel(QStringLiteral("принадлежит группе")));
    phoneRow->addWidget(groupNumber_);
    phoneRow->addStretch(1);
    int row = 0;
    head->addWidget(fieldLabel(QStringLiteral("Номер")), row, 0);
    head->addLayout(phoneRow, row++, 1);
    head->addWidget(typeLabel_, row, 0);
    head->addWidget(connectionType_, row++, 1, Qt::AlignLeft);
    head->addWidget(transportLabel_, row, 0);
    head->addWidget(transportPriority_, row++, 1);
    head->addWidget(fieldLabel(QStringLiteral("Реакция на входящий вызов")), row, 0);
    head->addWidget(incomingCallAction_, row++, 1);
    head->setColumnStretch(1, 1);
    frame.body->addLayout(head);

    incomingCallOutputs_ = makeGroup(QStringLiteral("GroupBoxInCallToOutsAction"),
                                     QStringLiteral(" Воздействие на реле/выходы при входящем вызове "));
    incomingCallOutput_ = makeComboBox(QStringLiteral("ComboBoxICToOUOutN"), outputNames());
    incomingCallOutputAction_ = makeComboBox(QStringLiteral("ComboBoxICToOUScnN"), actionNames());
    auto* outputsRow = new QHBoxLayout(incomingCallOutputs_);
    outputsRow->addWidget(incomingCallOutput_);
    outputsRow->addWidget(incomingCallOutputAction_);
    outputsRow->addStretch(1);
    frame.body->addWidget(incomingCallOutputs_);

    frame.body->addWidget(buildVoiceGroup());
    frame.body->addWidget(buildSmsGroup());
    frame.body->addStretch(1);

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
    voiceEnabled_ = makeCheckBox(QStringLiteral("CheckBoxCallEn"), QStringLiteral("Разрешено"));
    voiceCallLength_ = makeComboBox(QStringLiteral("ComboBoxOnLineTime"),
                                    QStringList{QStringLiteral("По длине сообщения"), QStringLiteral("Задается DTMF упр.")}
                                        + numberedItems(2, 61, QStringLiteral(" Sec.")));
    voiceWaitTime_ = makeComboBox(QStringLiteral("ComboBoxDialTranspWaitTime"), waitTimes());
    hangUpIsDelivery_ = makeCheckBox(QStringLiteral("CheckBoxNotACK"),
                                     QStringLiteral("Отбой вызова, без соединения, считать успешной доставкой"));
    voice_ = makeSourceBoxes({.input = QStringLiteral("CheckBoxMaskDInput"),
                              .arm = QStringLiteral("CheckBoxMaskDArm"),
                              .disarm = QStringLiteral("CheckBoxMaskDDisarm"),
                              .restricted = QStringLiteral("CheckBoxMaskCRestrictedArm"),
                              .system = QStringLiteral("CheckBoxMaskDPower"),
                              .test = QStringLiteral("CheckBoxMaskDTest"),
                              .gps = QStringLiteral("CheckBoxMaskDGPS"),
                              .profile = {}});
    int row = 0;
    layout->addWidget(voiceEnabled_, row++, 0, 1, 2);
    layout->addWidget(fieldLabel(QStringLiteral("Продолжительность исходящего голосового соединения")), row, 0);
    layout->addWidget(voiceCallLength_, row++, 1, Qt::AlignLeft);
    layout->addWidget(fieldLabel(QStringLiteral("Снять данные с передачи, если не переданны за")), row, 0);
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
    auto* group = makeGroup({}, QStringLiteral(" SMS оповещение "));
    auto* layout = new QGridLayout(group);
    smsEnabled_ = makeCheckBox(QStringLiteral("CheckBoxSMSEn"), QStringLiteral("Разрешено"));
    smsWaitTime_ = makeComboBox(QStringLiteral("ComboBoxSMSTranspWaitTime"), waitTimes());
    protocolLabel_ = fieldLabel({}, QStringLiteral("LabelProtocolAlias"));
    smsLanguage_ = makeComboBox(QStringLiteral("ComboBoxLang"), {QStringLiteral("Английский"), QStringLiteral("Русский")});
    smsUserIdentity_ = makeComboBox(QStringLiteral("ComboBoxUserId"),
                                    {QStringLiteral("Код ключа TouchMem"), QStringLiteral("Имя пользователя")});
    controlErrorCheck_ = makeCheckBox(QStringLiteral("CheckBoxDebugMode"),
                                      QStringLiteral("Контроль ошибок управляющих сообщений"));
    jointUse_ = makeCheckBox(QStringLiteral("CheckBoxJointUse"), QStringLiteral("Режим управления подчиненным контроллером"));
    sms_ = makeSourceBoxes({.input = QStringLiteral("CheckBoxMaskSInput"),
                            .arm = QStringLiteral("CheckBoxMaskSArm"),
                            .disarm = QStringLiteral("CheckBoxMaskSDisarm"),
                            .restricted = QStringLiteral("CheckBoxMaskSRestrictedArm"),
                            .system = QStringLiteral("CheckBoxMaskSPower"),
                            .test = QStringLiteral("CheckBoxMaskSTest"),
                            .gps = QStringLiteral("CheckBoxMaskSGPS"),
                            .profile = QStringLiteral("CheckBoxMaskSProfile")});
    int row = 0;
    layout->addWidget(smsEnabled_, row++, 0, 1, 2);
    layout->addWidget(fieldLabel(QStringLiteral("Снять данные с передачи, если не переданны за")), row, 0);
    layout->addWidget(smsWaitTime_, row++, 1, Qt::AlignLeft);
    layout->addWidget(protocolLabel_, row, 0);
    layout->addWidget(smsLanguage_, row++, 1, Qt::AlignLeft);
    layout->addWidget(fieldLabel(QStringLiteral("В сообщении передавать")), row, 0);
    layout->addWidget(smsUserIdentity_, row++, 1, Qt::AlignLeft);
    layout->addWidget(controlErrorCheck_, row++, 0, 1, 2);
    layout->addWidget(jointUse_, row++, 0, 1, 2);
    layout->addWidget(sms_.group, row++, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return group;
}

void ConnectionPages::bindFields()
{
    fields_.bind(conn::transportPriority, transportPriority_);
    fields_.bind(conn::groupNumber, groupNumber_);
    fields_.bind(conn::voiceWaitTime, voiceWaitTime_);
    fields_.bind(conn::incomingCallAction, incomingCallAction_);
    fields_.bind(conn::incomingCallOutput, incomingCallOutput_);
    fields_.bind(conn::incomingCallOutputAction, incomingCallOutputAction_);
    fields_.bind(conn::hangUpIsDelivery, hangUpIsDelivery_);
    fields_.bind(conn::voiceEnabled, voiceEnabled_);
    fields_.bind(conn::voiceCallLength, voiceCallLength_);
    fields_.bind(conn::connectionType, connectionType_);
    fields_.bind(conn::smsWaitTime, smsWaitTime_);
    fields_.bind(conn::smsLanguage, smsLanguage_);
    fields_.bind(conn::smsUserIdentity, smsUserIdentity_);
    fields_.bind(conn::controlErrorCheck, controlErrorCheck_);
    fields_.bind(conn::smsEnabled, smsEnabled_);
    fields_.bind(conn::jointUse, jointUse_);
}

void ConnectionPages::enter(int)
{
    for (QWidget* w : std::initializer_list<QWidget*>{transportLabel_, transportPriority_, incomingCallOutputs_,
                                                      typeLabel_, connectionType_, jointUse_})
        w->show();
    voice_.showFullSet();
    sms_.showFullSet();
    voiceGroup_->setTitle(QStringLiteral(" Голосовое оповещение или вызов типа DATA "));
    protocolLabel_->setText(QStringLiteral("Протокол обмена"));
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

void ConnectionPages::store(int page, ConfigImage& image)
{
    const std::size_t r = recordOf(page);
    image.setTextPadded(r, conn::phone, toCp1251(phone_->text().trimmed()));
    stripSpaces(image.fieldBytes(r, conn::phone).first<16>());
    fields_.store(image, r);
    storeSources(image, r, kVoiceSources, voice_);
    storeSources(image, r, kSmsSources, sms_);
}

void ConnectionPages::show(int page, const ConfigImage& image)
{
    const std::size_t r = recordOf(page);
    phone_->setText(fieldText(image, r, conn::phone));
    fields_.show(image, r);
    showSources(image, r, kVoiceSources, voice_);
    showSources(image, r, kSmsSources, sms_);
    refreshIncomingCallHint();
}

} // namespace vrm
