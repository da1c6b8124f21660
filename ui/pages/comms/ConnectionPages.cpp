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

ConnectionPages::~ConnectionPages()
{
    if (panel_ && !panel_->parent())
        delete panel_;
}

QWidget* ConnectionPages::panel(int)
{
    return panel_;
}

QLabel* ConnectionPages::titleLabel(int)
{
    return title_;
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

    storeIndex(image, r, conn::transportPriority, transportPriority_);
    storeIndex(image, r, conn::groupNumber, groupNumber_);
    storeIndex(image, r, conn::voiceWaitTime, voiceWaitTime_);
    storeIndex(image, r, conn::incomingCallAction, incomingCallAction_);
    storeIndex(image, r, conn::incomingCallOutput, incomingCallOutput_);
    storeIndex(image, r, conn::incomingCallOutputAction, incomingCallOutputAction_);
    storeCheck(image, r, conn::hangUpIsDelivery, hangUpIsDelivery_);
    storeCheck(image, r, conn::voiceEnabled, voiceEnabled_);
    storeIndex(image, r, conn::voiceCallLength, voiceCallLength_);
    storeIndex(image, r, conn::connectionType, connectionType_);
    image.set(r, conn::voiceArm, modeBits(voice_.arm));
    image.set(r, conn::voiceDisarm, modeBits(voice_.disarm));
    storeCheck(image, r, conn::voiceRestrictedArm, voice_.restricted);
    storeCheck(image, r, conn::voiceSystemEvents, voice_.system);
    storeCheck(image, r, conn::voiceTest, voice_.test);
    storeCheck(image, r, conn::voiceGps, voice_.gps);

    storeIndex(image, r, conn::smsWaitTime, smsWaitTime_);
    storeIndex(image, r, conn::smsLanguage, smsLanguage_);
    storeIndex(image, r, conn::smsUserIdentity, smsUserIdentity_);
    storeCheck(image, r, conn::controlErrorCheck, controlErrorCheck_);
    storeCheck(image, r, conn::smsEnabled, smsEnabled_);
    storeCheck(image, r, conn::jointUse, jointUse_);
    image.set(r, conn::smsArm, modeBits(sms_.arm));
    image.set(r, conn::smsDisarm, modeBits(sms_.disarm));
    storeCheck(image, r, conn::smsRestrictedArm, sms_.restricted);
    storeCheck(image, r, conn::smsSystemEvents, sms_.system);
    storeCheck(image, r, conn::smsTest, sms_.test);
    storeCheck(image, r, conn::smsGps, sms_.gps);
    storeCheck(image, r, conn::smsProfile, sms_.profile);

    image.set(r, conn::voiceInputsSet, inputsSetWord(voice_.inputs));
    image.set(r, conn::voiceInputsChecked, inputsCheckedWord(voice_.inputs));
    image.set(r, conn::smsInputsSet, inputsSetWord(sms_.inputs));
    image.set(r, conn::smsInputsChecked, inputsCheckedWord(sms_.inputs));
}

void ConnectionPages::show(int page, const ConfigImage& image)
{
    const std::size_t r = recordOf(page);
    phone_->setText(fieldText(image, r, conn::phone));

    showIndex(transportPriority_, image.get(r, conn::transportPriority));
    showIndex(groupNumber_, image.get(r, conn::groupNumber));
    showIndex(voiceWaitTime_, image.get(r, conn::voiceWaitTime));
    showIndex(incomingCallAction_, image.get(r, conn::incomingCallAction));
    showIndex(incomingCallOutput_, image.get(r, conn::incomingCallOutput));
    showIndex(incomingCallOutputAction_, image.get(r, conn::incomingCallOutputAction));
    showCheck(hangUpIsDelivery_, image.get(r, conn::hangUpIsDelivery));
    showCheck(voiceEnabled_, image.get(r, conn::voiceEnabled));
    showIndex(voiceCallLength_, image.get(r, conn::voiceCallLength));
    showIndex(connectionType_, image.get(r, conn::connectionType));
    showModeBits(voice_.arm, image.get(r, conn::voiceArm));
    showModeBits(voice_.disarm, image.get(r, conn::voiceDisarm));
    showCheck(voice_.restricted, image.get(r, conn::voiceRestrictedArm));
    showCheck(voice_.system, image.get(r, conn::voiceSystemEvents));
    showCheck(voice_.test, image.get(r, conn::voiceTest));
    showCheck(voice_.gps, image.get(r, conn::voiceGps));

    showIndex(smsWaitTime_, image.get(r, conn::smsWaitTime));
    showIndex(smsLanguage_, image.get(r, conn::smsLanguage));
    showIndex(smsUserIdentity_, image.get(r, conn::smsUserIdentity));
    showCheck(controlErrorCheck_, image.get(r, conn::controlErrorCheck));
    showCheck(smsEnabled_, image.get(r, conn::smsEnabled));
    showCheck(jointUse_, image.get(r, conn::jointUse));
    showModeBits(sms_.arm, image.get(r, conn::smsArm));
    showModeBits(sms_.disarm, image.get(r, conn::smsDisarm));
    showCheck(sms_.restricted, image.get(r, conn::smsRestrictedArm));
    showCheck(sms_.system, image.get(r, conn::smsSystemEvents));
    showCheck(sms_.test, image.get(r, conn::smsTest));
    showCheck(sms_.gps, image.get(r, conn::smsGps));
    showCheck(sms_.profile, image.get(r, conn::smsProfile));
    refreshIncomingCallHint();

    showInputStates(voice_.inputs, uint16_t(image.get(r, conn::voiceInputsSet)),
                    uint16_t(image.get(r, conn::voiceInputsChecked)));
    showInputStates(sms_.inputs, uint16_t(image.get(r, conn::smsInputsSet)),
                    uint16_t(image.get(r, conn::smsInputsChecked)));
}

} // namespace vrm
