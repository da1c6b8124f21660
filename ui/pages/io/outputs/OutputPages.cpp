#include "ui/pages/io/outputs/OutputPages.h"

#include "model/UiText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>

#include "model/OutputStimuli.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/io/outputs/OutputTerminalsPicture.h"

namespace vrm {

using namespace kit;
namespace out = layout::output;

namespace {
constexpr int kNameLength = out::name.info.width - 1;
// Suggested names are texts for the image (sent in messages), offered in both languages: not translated.
const QStringList kNameSuggestions{QStringLiteral("РЕЛЕ"),  QStringLiteral("ОБОГРЕВАТЕЛЬ"), QStringLiteral("ЛАМПА"),
                                   QStringLiteral("ЗАМОК"), QStringLiteral("НАСОС"),        QStringLiteral("ДВИГАТЕЛЬ")};
const QStringList kStateSuggestions{QStringLiteral("ВКЛ"),    QStringLiteral("ВЫКЛ"), QStringLiteral("ЗАКРЫТ"),
                                    QStringLiteral("ОТКРЫТ"), QStringLiteral("ON"),   QStringLiteral("OFF")};
// Tree pages whose node texts name the sources of the stimulus list.
constexpr int kSchedulerPage = 14, kFirstPerimeterPage = 16, kFirstInputPage = 21;
} // namespace

OutputPages::OutputPages(PageHost& host, QObject* parent)
    : RecordPages(host, layout::outputs, QStringLiteral("Panel9"), QStringLiteral("LabelOutputTitle"), false, parent)
{
    buildOutputsPanel();
    buildOutputPanel();
}

QList<int> OutputPages::pages() const { return QList<int>{kOutputsPage} + RecordPages::pages(); }

QWidget* OutputPages::panel(int page) { return page == kOutputsPage ? outputsPanel_ : RecordPages::panel(page); }

QLabel* OutputPages::titleLabel(int page)
{
    return page == kOutputsPage ? outputsTitle_ : RecordPages::titleLabel(page);
}

void OutputPages::buildOutputsPanel()
{
    PageFrame frame = makePageFrame(QStringLiteral("Panel8"), QStringLiteral("LabelOutputsTitle"), false);
    outputsPanel_ = frame.panel;
    outputsTitle_ = frame.title;
    outputsTitle_->setText(Ui::tr("Выходы"));
    frame.body->addWidget(new OutputTerminalsPicture, 0, Qt::AlignTop);
    frame.body->addStretch(1);
}

void OutputPages::buildOutputPanel()
{
    auto& f = fields();
    enabled_ = f.check(out::enabled, QStringLiteral("CheckBoxReleEn"), Ui::tr("Разрешено"));
    QComboBox* name = f.textChoice(out::name, QStringLiteral("ComboBoxReleName"), kNameSuggestions, kNameLength);
    QComboBox* onText = f.textChoice(out::onText, QStringLiteral("ComboBoxReleNameAct"), kStateSuggestions, kNameLength);
    QComboBox* offText =
        f.textChoice(out::offText, QStringLiteral("ComboBoxReleNameDeact"), kStateSuggestions, kNameLength);
    QCheckBox* inversion = f.check(out::inverted, QStringLiteral("CheckBoxReleInversion"), Ui::tr("Инверсия выхода"));
    QComboBox* commType = f.combo(out::remoteControlType, QStringLiteral("ComboBoxCommType"));
    QCheckBox* remoteControl = f.check(out::remoteControlAllowed, QStringLiteral("CheckBoxRemoteControlEn"),
                                       Ui::tr("Разрешено управлять дистанционно (DTMF, SMS, DATA)"));
    for (QComboBox* box : {name, onText, offText})
        box->setMinimumWidth(200);

    auto* settings = new QGridLayout;
    int row = 0;
    settings->addWidget(enabled_, row++, 0, 1, 2);
    settings->addWidget(makeLabel(Ui::tr("Название")), row, 0);
    settings->addWidget(name, row++, 1, Qt::AlignLeft);
    settings->addWidget(makeLabel(Ui::tr("Название активного состояния")), row, 0);
    settings->addWidget(onText, row++, 1, Qt::AlignLeft);
    settings->addWidget(makeLabel(Ui::tr("Название неактивного состояния")), row, 0);
    settings->addWidget(offText, row++, 1, Qt::AlignLeft);
    settings->addWidget(inversion, row++, 0, 1, 2);
    settings->addWidget(remoteControl, row++, 0, 1, 2);
    settings->addWidget(makeLabel(Ui::tr("Тип коммутации для дистанционного управления (DTMF, SMS, DATA)")), row, 0);
    settings->addWidget(commType, row++, 1, Qt::AlignLeft);
    settings->setColumnStretch(1, 1);
    body()->addLayout(settings);

    stimulusGroup_ = makeGroup(QStringLiteral("GroupBoxRsOutsStimulus"), {});
    auto* stimulusLayout = new QVBoxLayout(stimulusGroup_);
    stimuli_ = new QPlainTextEdit;
    stimuli_->setObjectName(QStringLiteral("MemoRsOutsStimulus"));
    stimuli_->setReadOnly(true);
    stimuli_->setLineWrapMode(QPlainTextEdit::NoWrap);
    stimuli_->setTabStopDistance(QFontMetricsF(stimuli_->font()).horizontalAdvance(QLatin1Char('x')) * 8);
    stimulusLayout->addWidget(stimuli_);
    body()->addWidget(stimulusGroup_, 1);
    // Its lines are put together from texts that a language file has no line
    // for: with a language file they would mix two languages.
    if (host().languageFileApplied())
        stimulusGroup_->setVisible(false);
}

void OutputPages::store(int page, ConfigImage& image)
{
    if (page != kOutputsPage)
        RecordPages::store(page, image);
}

void OutputPages::show(int page, const ConfigImage& image)
{
    if (page == kOutputsPage)
        return;
    const std::size_t output = indexOf(page);
    const bool relay = output < kRelayCount;
    enabled_->setText(host().textList(texts::enableCaptions).value(relay ? 0 : 1));
    stimulusGroup_->setTitle(host().textList(texts::stimulusCaptions).value(relay ? 0 : 1));
    showStimuli(int(output), image);
    RecordPages::show(page, image);
}

void OutputPages::showStimuli(int output, const ConfigImage& image)
{
    StimulusTexts texts;
    texts.schedulerPage = host().pageTitle(kSchedulerPage);
    for (int p = 0; p < 4; ++p)
        texts.perimeterPages << host().pageTitle(kFirstPerimeterPage + p);
    for (int n = 0; n < 8; ++n)
        texts.inputPages << host().pageTitle(kFirstInputPage + n);
    texts.actions = host().textList(texts::actions);
    stimuli_->setPlainText(outputStimuli(image, output, texts).join(QLatin1Char('\n')));
}

} // namespace vrm
