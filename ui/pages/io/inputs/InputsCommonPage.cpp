#include "ui/pages/io/inputs/InputsCommonPage.h"

#include "model/UiText.h"

#include <QGridLayout>
#include <QGroupBox>

#include "ui/pages/io/inputs/InputItems.h"
#include "ui/pages/io/inputs/InputTerminalsPicture.h"

namespace vrm {

using namespace kit;
namespace common = layout::inputsCommon;

InputsCommonPage::InputsCommonPage(PageHost& host, QObject* parent)
    : RecordPages(host, layout::inputsCommonBlock, QStringLiteral("Panel7"), QStringLiteral("LabelInputsTitle"), false,
                  parent)
{
    build();
}

void InputsCommonPage::build()
{
    title()->setText(Ui::tr("Входы", "page title"));
    Bindings<common::Record>& f = fields();
    QComboBox* supply = f.combo(common::sensorSupplyAlwaysOn, QStringLiteral("ComboBoxPortPwrSensAllOn"));
    QComboBox* resetTime = f.combo(common::loopPowerResetTime, QStringLiteral("ComboBoxLoopPwrResetTime"));
    QComboBox* afterArm = f.combo(common::noScanAfterArm, QStringLiteral("ComboBoxNoScaningTimeAftArm"));
    QComboBox* afterReset = f.combo(common::noScanAfterReset, QStringLiteral("ComboBoxNoScaningTimeAftReset"));

    QGroupBox* settings = makeGroup(QStringLiteral("GroupBoxInputsCommon"), {});
    auto* grid = new QGridLayout(settings);
    int row = 0;
    const auto addRow = [&](const QString& caption, QComboBox* box) {
        grid->addWidget(makeNote(caption), row, 0);
        grid->addWidget(box, row++, 1);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(24);
    };
    addRow(Ui::tr("Питание датчиков, порт 10VS"), supply);
    addRow(Ui::tr("Время отключения питания датчиков, питающихся по шлейфу, после тревоги"), resetTime);
    addRow(Ui::tr("Не опрашивать входы после подачи питания на порт 10VS"), afterArm);
    addRow(Ui::tr("Задержка опроса входов после включения или выхода из режима пониженного потребления"), afterReset);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(16);
    body()->addWidget(settings);

    auto* picture = new InputTerminalsPicture;
    body()->addWidget(picture, 1);
}

} // namespace vrm
