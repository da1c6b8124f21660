#include "model/OutputStimuli.h"

#include "model/ConfigImage.h"
#include "model/UiText.h"

namespace vrm {

namespace {

using namespace layout;
constexpr uint32_t kOutputControlTask = 3;
constexpr uint32_t kTaskOutputMask = 0x0F; // the output number of an output control task
constexpr std::size_t kListedInputs = 8;

QString powerPageText()
{
    return u'[' + Ui::tr("Питание, температура...") + QStringLiteral("]\t\t");
}

// An action value without an item (a damaged image) shows as its number.
QString actionText(const StimulusTexts& texts, uint32_t action)
{
    return action < uint32_t(texts.actions.size()) ? texts.actions[int(action)] : QString::number(action);
}

QString nodeText(const QStringList& nodes, std::size_t index)
{
    return index < std::size_t(nodes.size()) ? nodes[int(index)] : QString();
}

void addSchedulerTasks(QStringList& lines, const ConfigImage& image, uint32_t output, const StimulusTexts& texts)
{
    for (std::size_t i = 0; i < clock::tasks.info.count; ++i) {
        const RecordAt<task::Record> at = clock::tasks(clockBlock[0], i);
        const uint32_t action = image.get(at, task::action);
        if (!image.get(at, task::enabled) || image.get(at, task::weekdays) == 0
            || image.get(at, task::kind) != kOutputControlTask
            || (image.get(at, task::parameter) & kTaskOutputMask) != output || action == 0)
            continue;
        lines << "[" + texts.schedulerPage + "]\t\t" + actionText(texts, action) + u'\t'
                     + Ui::tr("В %1:%2 в указанные дни недели, строка № %3")
                           .arg(image.get(at, task::hour))
                           .arg(image.get(at, task::minute))
                           .arg(i + 1);
    }
}

void addPowerPage(QStringList& lines, const ConfigImage& image, uint32_t output, const StimulusTexts& texts)
{
    const RecordAt<temperature::Record> at = temperatureBlock[0];
    auto add = [&](RecordAt<outputAction::Record> reaction, const QString& event) {
        const uint32_t action = image.get(reaction, outputAction::action);
        if (image.get(reaction, outputAction::output) == output && action != 0)
            lines << powerPageText() + actionText(texts, action) + u'\t' + event;
    };
    add(temperature::tamperReaction(at), Ui::tr("При вскрытии корпуса"));
    add(temperature::highReaction(at),
        Ui::tr("При превышении температуры выше %1C").arg(image.getSigned(at, temperature::highLevel)));
    add(temperature::lowReaction(at),
        Ui::tr("При падении температуры ниже %1C").arg(image.getSigned(at, temperature::lowLevel)));
}

void addPerimeters(QStringList& lines, const ConfigImage& image, uint32_t output, const StimulusTexts& texts)
{
    const struct {
        const Field<perimeter::Record, FieldKind::U8>& actions;
        const char* event;
    } groups[] = {{perimeter::countdownActions, QT_TRANSLATE_NOOP("Ui", "При начале обратного отсчета")},
                  {perimeter::armActions, QT_TRANSLATE_NOOP("Ui", "При переходе в режим ОХРАНА")},
                  {perimeter::disarmActions, QT_TRANSLATE_NOOP("Ui", "При переходе в режим НАБЛЮДЕНИЕ")}};
    for (std::size_t p = 0; p < perimeters.count; ++p)
        for (const auto& group : groups)
            if (const uint32_t action = image.get(perimeters[p], group.actions, output); action != 0)
                lines << nodeText(texts.perimeterPages, p) + "\t\t\t" + actionText(texts, action)
                             + u'\t' + Ui::tr(group.event);
}

void addInputs(QStringList& lines, const ConfigImage& image, uint32_t output, const StimulusTexts& texts)
{
    for (std::size_t n = 0; n < kListedInputs; ++n) {
        const QString prefix = "[" + nodeText(texts.inputPages, n) + "]\t\t\t\t";
        const QString number = QString::number(n + 1);
        if (const uint32_t action = image.get(inputs[n], input::activationActions, output); action != 0)
            lines << prefix + actionText(texts, action) + u'\t' + Ui::tr("При активизации входа %1").arg(number);
        if (const uint32_t action = image.get(inputs[n], input::deactivationActions, output); action != 0)
            lines << prefix + actionText(texts, action) + u'\t' + Ui::tr("При деактивизации входа %1").arg(number);
    }
}

} // namespace

QStringList outputStimuli(const ConfigImage& image, int output, const StimulusTexts& texts)
{
    QStringList lines;
    if (output < 0 || output > 6)
        return lines;
    const auto number = uint32_t(output);
    addSchedulerTasks(lines, image, number, texts);
    addPowerPage(lines, image, number, texts);
    addPerimeters(lines, image, number, texts);
    addInputs(lines, image, number, texts);
    return lines;
}

} // namespace vrm
