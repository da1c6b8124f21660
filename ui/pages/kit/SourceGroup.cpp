#include "ui/pages/kit/SourceGroup.h"

#include <QGridLayout>
#include <QGroupBox>

#include "model/ConfigImage.h"
#include "model/UiText.h"

namespace vrm::kit {

namespace {
QString numbered(const QString& base, int n)
{
    return n == 1 ? base : base + QString::number(n);
}
QString modeCaption(const char* base, int n)
{
    const QString text = Ui::tr(base);
    return n == 1 ? text : text + u' ' + QString::number(n);
}
} // namespace

SourceBoxes makeSourceBoxes(const SourceBoxNames& names)
{
    SourceBoxes boxes;
    boxes.group = makeGroup({}, {});
    auto* grid = new QGridLayout(boxes.group);
    grid->setHorizontalSpacing(14);
    for (int i = 0; i < 8; ++i) {
        QCheckBox* box = makeCheckBox(names.input + QString::number(i + 1), Ui::tr("Вх.%1").arg(i + 1));
        box->setTristate(true);
        boxes.inputs[std::size_t(i)] = box;
        grid->addWidget(box, i % 4, i / 4);
        box->setVisible(i < 4);
    }
    for (int n = 1; n <= 4; ++n) {
        QCheckBox* arm = makeCheckBox(numbered(names.arm, n), modeCaption(QT_TRANSLATE_NOOP("Ui", "ОХРАНА"), n));
        QCheckBox* disarm = makeCheckBox(numbered(names.disarm, n), modeCaption(QT_TRANSLATE_NOOP("Ui", "НАБЛЮДЕНИЕ"), n));
        boxes.arm[std::size_t(n - 1)] = arm;
        boxes.disarm[std::size_t(n - 1)] = disarm;
        grid->addWidget(arm, n - 1, 2);
        grid->addWidget(disarm, n - 1, 3);
        arm->setVisible(n == 1);
        disarm->setVisible(n == 1);
    }
    boxes.system = makeCheckBox(names.system, Ui::tr("Системные события"));
    boxes.test = makeCheckBox(names.test, Ui::tr("Тестовое / инфо. сообщения"));
    boxes.restricted = makeCheckBox(names.restricted, Ui::tr("ЗАЩИТА"));
    boxes.restricted->hide();
    grid->addWidget(boxes.system, 4, 0, 1, 2);
    grid->addWidget(boxes.test, 4, 2, 1, 2);
    grid->addWidget(boxes.restricted, 5, 2);
    if (!names.profile.isEmpty()) {
        boxes.profile = makeCheckBox(names.profile, Ui::tr("Профиль"));
        boxes.profile->hide();
        grid->addWidget(boxes.profile, 5, 0, 1, 2);
    }
    if (!names.gps.isEmpty()) {
        boxes.gps = makeCheckBox(names.gps, QStringLiteral("GPS"));
        boxes.gps->hide();
        grid->addWidget(boxes.gps, 5, 3);
    }
    grid->setColumnStretch(4, 1);
    return boxes;
}

void SourceBoxes::showFullSet()
{
    for (std::size_t i = 4; i < inputs.size(); ++i)
        inputs[i]->show();
    for (std::size_t n = 1; n < arm.size(); ++n) {
        arm[n]->show();
        disarm[n]->show();
    }
    if (profile)
        profile->show();
}

std::vector<QCheckBox*> SourceBoxes::all() const
{
    std::vector<QCheckBox*> boxes(inputs.begin(), inputs.end());
    boxes.insert(boxes.end(), arm.begin(), arm.end());
    boxes.insert(boxes.end(), disarm.begin(), disarm.end());
    for (QCheckBox* box : {restricted, system, test, gps, profile})
        if (box)
            boxes.push_back(box);
    return boxes;
}

uint32_t modeBits(const ModeBoxes& boxes)
{
    uint32_t bits = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->isChecked())
            bits |= 1u << i;
    return bits;
}

void showModeBits(const ModeBoxes& boxes, uint32_t bits)
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(bits & (1u << i));
}

SourceBoxes bindSources(Bindings<layout::sources::Record>& bindings, const SourceBoxNames& names)
{
    namespace src = layout::sources;
    SourceBoxes boxes = makeSourceBoxes(names);
    const InputBoxes inputs = boxes.inputs;
    bindings.add(
        [inputs](ConfigImage& image, RecordAt<src::Record> at) {
            image.set(at, src::inputsSet, inputsSetWord(inputs));
            image.set(at, src::inputsChecked, inputsCheckedWord(inputs));
        },
        [inputs](const ConfigImage& image, RecordAt<src::Record> at) {
            showInputStates(inputs, uint16_t(image.get(at, src::inputsSet)),
                            uint16_t(image.get(at, src::inputsChecked)));
        });
    const ModeBoxes arm = boxes.arm;
    const ModeBoxes disarm = boxes.disarm;
    bindings.add(
        [arm, disarm](ConfigImage& image, RecordAt<src::Record> at) {
            image.set(at, src::arm, modeBits(arm));
            image.set(at, src::disarm, modeBits(disarm));
        },
        [arm, disarm](const ConfigImage& image, RecordAt<src::Record> at) {
            showModeBits(arm, image.get(at, src::arm));
            showModeBits(disarm, image.get(at, src::disarm));
        });
    bindings.bind(src::restrictedArm, boxes.restricted);
    bindings.bind(src::systemEvents, boxes.system);
    bindings.bind(src::test, boxes.test);
    if (boxes.gps)
        bindings.bind(src::gps, boxes.gps);
    if (boxes.profile)
        bindings.bind(src::profile, boxes.profile);
    return boxes;
}

} // namespace vrm::kit
