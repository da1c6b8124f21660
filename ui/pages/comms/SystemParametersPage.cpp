#include "ui/pages/comms/SystemParametersPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/UiText.h"
#include "session/ControllerAccess.h"
#include "ui/LabelStatusView.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/kit/EditText.h"
#include "ui/pages/kit/Widgets.h"

namespace vrm {

using namespace kit;
namespace sys = layout::systemParameters;

namespace {
const auto kBlock = layout::systemParameterBlock[0];

QLabel* notice(const QString& text)
{
    QLabel* label = makeNote(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

SystemParametersPage::SystemParametersPage(PageHost& host, QObject* parent) : PageGroup(host, parent), fields_(&host)
{
    build();
}

void SystemParametersPage::build()
{
    panel_ = new QWidget;
    panel_->setObjectName(QStringLiteral("Panel11"));
    auto* outer = new QVBoxLayout(panel_);
    outer->setContentsMargins(8, 6, 8, 6);

    // Title line: the title and the one control the cover leaves usable.
    auto* titleLine = new QHBoxLayout;
    title_ = makeTitle(QStringLiteral("Label86"));
    allowEditing_ = new QPushButton(Ui::tr("Разрешить редактирование"));
    allowEditing_->setObjectName(QStringLiteral("Button1"));
    titleLine->addWidget(title_, 1);
    titleLine->addWidget(allowEditing_);
    outer->addLayout(titleLine);

    // The settings and the cover share one cell; the cover lies on top.
    auto* area = new QWidget;
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area, 1);

    settings_ = new QWidget;
    auto* body = new QVBoxLayout(settings_);
    body->setContentsMargins(0, 0, 0, 0);

    auto* calibrationGroup = makeGroup({}, Ui::tr(" Калибровочное значение хода часов "));
    auto* calibrationRow = new QHBoxLayout(calibrationGroup);
    // The calibration value spans 17 bits in two fields; negative values clamp to 0.
    QLineEdit* calibration = makeEdit(QStringLiteral("EditCALVAL"), 6);
    calibration->setMaximumWidth(90);
    fields_.add(
        [calibration](ConfigImage& image, RecordAt<sys::Record> at) {
            calibration->setText(calibration->text().trimmed());
            const auto value = uint32_t(clampedInteger(calibration->text(), 0, 0, sys::kCalibrationMax));
            image.set(at, sys::calibrationLow, value & 0xFFFF);
            image.set(at, sys::calibrationBit16, value >> 16);
        },
        [calibration](const ConfigImage& image, RecordAt<sys::Record> at) {
            const uint32_t value = image.get(at, sys::calibrationLow) | image.get(at, sys::calibrationBit16) << 16;
            calibration->setText(QString::number(value));
        });
    QComboBox* direction =
        fields_.combo(sys::calibrationDirection, QStringLiteral("ComboBoxCALDIR"));
    calibrationRow->addWidget(makeLabel(Ui::tr("Каждые ")));
    calibrationRow->addWidget(calibration);
    calibrationRow->addWidget(makeLabel(Ui::tr("секунд, ")));
    calibrationRow->addWidget(direction);
    calibrationRow->addStretch(1);
    body->addWidget(calibrationGroup);

    auto* batteryGroup = makeGroup({}, Ui::tr(" Тип резервной батареи "));
    QComboBox* battery = fields_.combo(sys::batteryType, QStringLiteral("ComboBoxBatteryType"));
    auto* batteryRow = new QHBoxLayout(batteryGroup);
    batteryRow->addWidget(battery);
    batteryRow->addStretch(1);
    body->addWidget(batteryGroup);

    body->addWidget(fields_.check(sys::modemFirmwareUpdate, QStringLiteral("CheckBoxFWUpdateEnable"),
                                  Ui::tr("Разрешено входить в режим обновления микропрограммы GSM модуля")));
    body->addWidget(fields_.check(sys::keyCrcCheckOff, QStringLiteral("CheckBoxCRCCheckDisable"),
                                  Ui::tr("Не проверять CRC при считывании ключей TouchMemory")));

    auto* buttons = new QHBoxLayout;
    read_ = new QPushButton(Ui::tr("Считать"));
    read_->setObjectName(QStringLiteral("BitBtnReadSysPar"));
    program_ = new QPushButton(Ui::tr("Программировать", "system parameters"));
    program_->setObjectName(QStringLiteral("BitBtnProgSysPar"));
    program_->setEnabled(false);
    for (QPushButton* button : {read_, program_})
        button->setMinimumWidth(140);
    buttons->addWidget(read_);
    buttons->addWidget(program_);
    buttons->addStretch(1);
    body->addSpacing(8);
    body->addLayout(buttons);
    status_ = makeNote({}, QStringLiteral("LabelSysParMsg"));
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBarSysPar"));
    progress_->setValue(0);
    body->addWidget(status_);
    body->addWidget(progress_);
    body->addStretch(1);
    stack->addWidget(settings_, 0, 0);

    cover_ = new QWidget;
    cover_->setObjectName(QStringLiteral("Panel13"));
    cover_->setAutoFillBackground(true);
    auto* notices = new QVBoxLayout(cover_);
    notices->setContentsMargins(24, 12, 24, 12);
    notices->setSpacing(18);
    notices->addStretch(1);
    notices->addWidget(notice(Ui::tr("Системные параметры имеют индивидуальные значения для каждого экземпляра устройства и устанавливаются "
        "при производстве. Если необходимо изменить любой из этих параметров, считайте предустановленные "
        "значения, после изменения запрограммируйте.")));
    notices->addWidget(notice(Ui::tr("Для того, что бы новые значения вступили в силу необходимо перезапустить устройство. Для этого "
        "отключите и включите питание устройства или нажмите кнопку [Перезапустить].")));
    notices->addWidget(notice(Ui::tr("Эти значения не сохраняются в файле конфигурации и ни как не связанны с конфигурационными "
        "параметрами. Программирование доступно только из этого режима и ни как не влияет на конфигурацию "
        "прибора, так же как и конфигурирование не изменяет эти значения.")));
    notices->addStretch(2);
    stack->addWidget(cover_, 0, 0);
    cover_->raise();
    // Keyboard focus must not reach what the cover hides either.
    settings_->setEnabled(false);

    connect(allowEditing_, &QPushButton::clicked, this, &SystemParametersPage::allowEditing);
    connect(read_, &QPushButton::clicked, this, &SystemParametersPage::readParameters);
    connect(program_, &QPushButton::clicked, this, &SystemParametersPage::programParameters);
}

void SystemParametersPage::allowEditing()
{
    cover_->hide();
    settings_->setEnabled(true);
    allowEditing_->setEnabled(false);
}

void SystemParametersPage::readParameters()
{
    if (cover_->isVisibleTo(panel_))
        return;
    LabelStatusView status(status_, progress_);
    if (host().controller().readSystemParameters(status)) {
        readOnce_ = true;
        program_->setEnabled(true);
    }
}

void SystemParametersPage::programParameters()
{
    // Writing values that were never read from this controller would overwrite
    // its individual settings with whatever the image holds.
    if (!readOnce_ || cover_->isVisibleTo(panel_))
        return;
    LabelStatusView status(status_, progress_);
    host().controller().programSystemParameters(status);
}

void SystemParametersPage::store(int, ConfigImage& image)
{
    fields_.store(image, kBlock);
}

void SystemParametersPage::show(int, const ConfigImage& image)
{
    fields_.show(image, kBlock);
}

} // namespace vrm
