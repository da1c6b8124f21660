#include "ui/pages/io/perimeters/PerimeterPages.h"

#include "model/UiText.h"

#include "session/ControllerAccess.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/ArmInMode.h"
#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "model/KeyCode.h"
#include "model/PerimeterLink.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/kit/UpDownEdit.h"

namespace vrm {

using namespace kit;
namespace perimeter = layout::perimeter;
namespace touchKey = layout::touchKey;
using At = RecordAt<perimeter::Record>;

namespace {

constexpr int kFirstPage = 16;
constexpr int kNameLength = 16;

// The name of a text field as shown: up to its NUL, at most its width less one.
QString shownName(QByteArray bytes, int width)
{
    return fromCp1251(bytes.left(width - 1));
}

} // namespace

PerimeterPages::PerimeterPages(PageHost& host, QObject* parent)
    : RecordPages(host, layout::perimeters, QStringLiteral("PanelPerimeters"), QStringLiteral("LabelPerimTitle"), true,
                  parent)
{
    build();
    // The poller reads the key reader while a perimeter page is shown (same outcome order as KeyPanel::Poll).
    connect(&host.controller(), &ControllerAccess::keyPolled, this, &PerimeterPages::keyPolled);
}

void PerimeterPages::build()
{
    auto& f = fields();

    // 1. Name.
    QComboBox* name = f.textChoice(perimeter::name, QStringLiteral("ComboBoxPerimetrName"),
                                   numberedItems(1, 4, {}, QStringLiteral("ПЕРИМЕТР")), kNameLength);
    name->setMinimumWidth(180);
    auto* top = new QGridLayout;
    top->addWidget(makeLabel(Ui::tr("Название периметра")), 0, 0);
    top->addWidget(name, 0, 1);
    top->addWidget(makeLabel(Ui::tr("Задержка взвода после поступления активного уровня, С")), 1, 0);
    top->setColumnStretch(2, 1);
    body()->addLayout(top);

    // 2. Arm In mode; 3. arm delay.
    body()->addWidget(buildArmInGroup());
    f.add(
        [this](ConfigImage& image, At at) {
            const int checked = armInButtons_->checkedId();
            if (checked >= 0)
                image.set(at, perimeter::armInputMode, uint32_t(checked));
        },
        [this](const ConfigImage& image, At at) {
            if (const auto mode = armInMode(uint8_t(image.get(at, perimeter::armInputMode))))
                armInButtons_->button(int(*mode))->setChecked(true);
        });
    QSpinBox* armDelay = f.upDown(perimeter::armDelay, QStringLiteral("UpDownPerimDelayARM"), QStringLiteral("EditPerimDelayARM"));
    top->addWidget(armDelay, 1, 1, Qt::AlignLeft);

    // 4. The perimeter's mode on an output (perimeters 2-4).
    armOutLabel_ = makeLabel(Ui::tr("Режим (ОХРАНА/НАБЛЮДЕНИЕ) отображается на выходе ARMOut"),
                             QStringLiteral("LabelARMOut"));
    redirectToOut_ = makeCheckBox(QStringLiteral("CheckBoxRedirectToOut"), {});
    body()->addWidget(armOutLabel_);
    body()->addWidget(redirectToOut_);
    // The mode display byte holds one bit per perimeter 2-4, bit 4 + (p - 2).
    f.add(
        [this](ConfigImage& image, At) {
            if (perimeter_ >= 2) {
                uint8_t& byte = image.bytes(layout::powerBlock[0], layout::power::perimeterModeOutput)[0];
                const uint8_t bit = uint8_t(1u << (2 + perimeter_));
                byte = redirectToOut_->isChecked() ? uint8_t(byte | bit) : uint8_t(byte & ~bit);
            }
        },
        [this](const ConfigImage& image, At) {
            if (perimeter_ >= 2) {
                const uint8_t byte = image.bytes(layout::powerBlock[0], layout::power::perimeterModeOutput)[0];
                redirectToOut_->setChecked((byte >> (2 + perimeter_)) & 1);
            }
        });

    // 5. Links of the inputs.
    body()->addWidget(buildLinkGroup());
    f.add(
        [this](ConfigImage& image, At) {
            for (std::size_t n = 0; n < links_.size(); ++n) {
                const Qt::CheckState state = links_[n]->checkState();
                const PerimeterLink link = state == Qt::Checked            ? PerimeterLink::Checked
                                           : state == Qt::PartiallyChecked ? PerimeterLink::Greyed
                                                                           : PerimeterLink::None;
                uint8_t& byte = image.bytes(layout::inputs[n], layout::input::perimeterLinks)[0];
                byte = withPerimeterLink(byte, perimeter_, link);
            }
        },
        [this](const ConfigImage& image, At) {
            for (std::size_t n = 0; n < links_.size(); ++n) {
                const uint8_t byte = image.bytes(layout::inputs[n], layout::input::perimeterLinks)[0];
                const PerimeterLink link = perimeterLink(byte, perimeter_);
                links_[n]->setCheckState(link == PerimeterLink::Checked  ? Qt::Checked
                                         : link == PerimeterLink::Greyed ? Qt::PartiallyChecked
                                                                         : Qt::Unchecked);
            }
        });

    // 6. Actions, profiles and the cleared byte; 7. the key table.
    body()->addWidget(buildActionGroups());
    f.add([](ConfigImage& image, At at) { image.set(at, perimeter::cleared, 0); }, {});

    description_ = makeNote({}, QStringLiteral("LabelPerimetersActionDiscription"));
    keyPanel_ = new KeyPanel({host().text(texts::keyWithCode), host().text(texts::keyAlreadyInTable),
                              host().text(texts::memoryFull)},
                             description_);
    keyPanel_->grid()->setMinimumHeight(300);
    body()->addWidget(keyPanel_);
    body()->addWidget(description_);
    body()->addStretch(1);
}

QGroupBox* PerimeterPages::buildArmInGroup()
{
    QGroupBox* group = makeGroup(QStringLiteral("RadioGroupPerimArmIn"), Ui::tr(" Режим входа [Arm In] "));
    auto* grid = new QGridLayout(group);
    auto* pulseArmDisarm = new QRadioButton(Ui::tr("Переход в режим ОХРАНА - импульс > 3 Сек."));
    pulseArmDisarm->setObjectName(QStringLiteral("RadioButtonPerimPulsAD"));
    auto* pulseArm = new QRadioButton(Ui::tr("Переход в режим ОХРАНА - импульс > 3 Сек."));
    pulseArm->setObjectName(QStringLiteral("RadioButtonPerimPulsARM"));
    auto* touch = new QRadioButton(Ui::tr("Смена режима ОХРАНА/НАБЛЮДЕНИЕ - TouchMemory"));
    touch->setObjectName(QStringLiteral("RadioButtonPerimTouchAD"));
    armInButtons_ = new QButtonGroup(group);
    armInButtons_->addButton(pulseArmDisarm, int(ArmInMode::PulseArmDisarm));
    armInButtons_->addButton(pulseArm, int(ArmInMode::PulseArmOnly));
    armInButtons_->addButton(touch, int(ArmInMode::TouchMemory));
    grid->addWidget(pulseArmDisarm, 0, 0);
    grid->addWidget(makeLabel(Ui::tr("Переход в режим НАБЛЮДЕНИЕ - импульс < 3 Сек.")), 0, 1);
    grid->addWidget(pulseArm, 1, 0);
    grid->addWidget(touch, 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QGroupBox* PerimeterPages::buildLinkGroup()
{
    QGroupBox* group = makeGroup(QStringLiteral("GroupBoxPerimInputs"), Ui::tr(" Связанные с периметром входы "));
    auto* grid = new QGridLayout(group);
    for (std::size_t n = 0; n < links_.size(); ++n) {
        QCheckBox* box = makeCheckBox(QStringLiteral("CheckBoxPerimInput%1").arg(n + 1), Ui::tr("Вх. %1").arg(n + 1));
        box->setTristate(true);
        box->setProperty("tag", int(n));
        links_[n] = box;
        grid->addWidget(box, int(n / 8), int(n % 8));
        box->setVisible(n < 8); // once inside the group: a box without a parent would show as a window
    }
    return group;
}

QWidget* PerimeterPages::buildActionGroups()
{
    auto& f = fields();
    const QStringList outputs = f.items(layout::outputAction::output.info);
    struct Event {
        const char* groupName;
        const char* caption; // translated where shown
        const Field<perimeter::Record, FieldKind::U8>& actions;
        const char* prefix;
        const Field<perimeter::Record, FieldKind::U8>& profile;
        const char* profileName;
    };
    // Stored in this order: countdown, arming, disarming; then the profiles the same way round.
    const Event events[] = {
        {"GroupBoxPArm", QT_TRANSLATE_NOOP("Ui", "Переход в режим ОХРАНА "), perimeter::armActions,
         "ComboBoxPArmToRele", perimeter::armProfile, "ComboBoxPArmToProfile"},
        {"GroupBoxPDisarm", QT_TRANSLATE_NOOP("Ui", " Переход в НАБЛЮДЕНИЕ "), perimeter::disarmActions,
         "ComboBoxPDisarmToRele", perimeter::disarmProfile, "ComboBoxPDisarmToProfile"},
        {"GroupBoxPCD", QT_TRANSLATE_NOOP("Ui", " Начат обратный отсчет "), perimeter::countdownActions,
         "ComboBoxPCDtoRele", perimeter::countdownProfile, "ComboBoxPCDtoProfile"},
    };
    const int storeOrder[] = {2, 0, 1};
    std::array<QGroupBox*, 3> groups{};
    for (int i : storeOrder) {
        const Event& e = events[i];
        groups[std::size_t(i)] = makeGroup(QString::fromLatin1(e.groupName), Ui::tr(e.caption));
        auto* grid = new QGridLayout(groups[std::size_t(i)]);
        const auto boxes = f.actionRow(e.actions, QString::fromLatin1(e.prefix));
        for (int k = 0; k < 7; ++k) {
            grid->addWidget(makeLabel(outputs.value(k)), k, 0);
            grid->addWidget(boxes[std::size_t(k)], k, 1);
        }
        grid->setColumnStretch(1, 1);
    }
    for (int i : storeOrder) {
        const Event& e = events[i];
        QComboBox* profile = f.combo(e.profile, QString::fromLatin1(e.profileName));
        profile->hide();
        profiles_[std::size_t(i)] = profile;
        qobject_cast<QGridLayout*>(groups[std::size_t(i)]->layout())->addWidget(profile, 7, 0, 1, 2);
    }
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* group : groups)
        layout->addWidget(group, 1, Qt::AlignTop);
    return row;
}

void PerimeterPages::enter(int page)
{
    const int p = page - kFirstPage + 1;
    description_->clear();
    keyPanel_->reset();
    armOutLabel_->setVisible(p == 1);
    redirectToOut_->setVisible(p != 1);
    if (p != 1)
        redirectToOut_->setText(host().text(texts::showModeOnOutput) + QLatin1Char(' ') + QString::number(p - 1));
    for (QComboBox* profile : profiles_)
        profile->hide();
}

void PerimeterPages::store(int page, ConfigImage& image)
{
    perimeter_ = page - kFirstPage + 1;
    RecordPages::store(page, image);
    storeKeys(image);
}

void PerimeterPages::show(int page, const ConfigImage& image)
{
    perimeter_ = page - kFirstPage + 1;
    RecordPages::show(page, image);
    showKeys(image);
}

void PerimeterPages::storeKeys(ConfigImage& image) const
{
    const QList<TouchKeyRow> rows = keyPanel_->grid()->rows();
    for (std::size_t j = 0; j < std::size_t(kTouchKeyCount); ++j) {
        const RecordAt<touchKey::Record> at = layout::touchKeys[j];
        const TouchKeyRow& row = rows[qsizetype(j)];
        const KeyCode code = keyCodeFromText(row.code);
        std::copy(code.begin(), code.end(), image.bytes(at, touchKey::code).begin());
        image.setTextPadded(at, touchKey::userName, toCp1251(row.name));
        uint8_t& rights = image.bytes(at, touchKey::rights)[0];
        rights = withKeyRights(rights, perimeter_, row.arm, row.disarm);
        image.set(at, touchKey::profile, keyProfileFromText(row.profile));
    }
}

void PerimeterPages::showKeys(const ConfigImage& image)
{
    QList<TouchKeyRow> rows;
    for (std::size_t j = 0; j < std::size_t(kTouchKeyCount); ++j) {
        const RecordAt<touchKey::Record> at = layout::touchKeys[j];
        const auto code = image.bytes(at, touchKey::code).first<8>();
        if (isEmptyKeyCode(code)) {
            rows << emptyTouchKeyRow();
            continue;
        }
        const uint8_t rights = image.bytes(at, touchKey::rights)[0];
        rows << TouchKeyRow{keyCodeText(code), shownName(image.text(at, touchKey::userName), 17),
                            keyMayArm(rights, perimeter_), keyMayDisarm(rights, perimeter_),
                            keyProfileText(uint8_t(image.get(at, touchKey::profile)))};
    }
    keyPanel_->grid()->setRows(rows);
}

void PerimeterPages::keyPolled(int outcome, const QString& code)
{
    keyPanel_->keyPolled(KeyPanel::Poll(outcome), code);
}

} // namespace vrm
