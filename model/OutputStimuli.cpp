#include "model/OutputStimuli.h"

#include "model/ConfigImage.h"
#include "model/OutputActionByte.h"

namespace vrm {

namespace {

// Where the settings that drive an output lie in the image.
namespace at {
constexpr std::size_t schedulerTasks = 2680, schedulerTaskSize = 16, schedulerTaskCount = 8;
constexpr std::size_t taskEnabled = 0, taskWeekdays = 4, taskHour = 5, taskMinute = 6, taskKind = 12,
                      taskOutput = 13, taskAction = 14;
constexpr int outputControlTask = 3;
constexpr std::size_t tamperAction = 2850;
constexpr std::size_t lowTemperatureLevel = 2845, lowTemperatureAction = 2846;
constexpr std::size_t highTemperatureLevel = 2847, highTemperatureAction = 2848;
constexpr std::size_t perimeters = 3087, perimeterSize = 51, perimeterCount = 4;
constexpr std::size_t perimeterArm = 19, perimeterDisarm = 26, perimeterCountdown = 33;
constexpr std::size_t inputs = 360, inputSize = 92, listedInputs = 8;
constexpr std::size_t inputActivation = 76, inputDeactivation = 83;
} // namespace at

const QString kPowerPage = QStringLiteral("[Питание, температура...]\t\t");

// An action value without an item (a damaged image) shows as its number.
QString actionText(const StimulusTexts& texts, int action)
{
    return action >= 0 && action < texts.actions.size() ? texts.actions[action] : QString::number(action);
}

QString nodeText(const QStringList& nodes, std::size_t index)
{
    return index < std::size_t(nodes.size()) ? nodes[int(index)] : QString();
}

void addSchedulerTasks(QStringList& lines, const ConfigImage& image, int output, const StimulusTexts& texts)
{
    for (std::size_t i = 0; i < at::schedulerTaskCount; ++i) {
        const std::size_t task = at::schedulerTasks + at::schedulerTaskSize * i;
        const bool enabled = image.bits(task + at::taskEnabled, 0, 1);
        const bool anyWeekday = image.bits(task + at::taskWeekdays, 0, 7) != 0;
        const bool controlsOutput = image.bits(task + at::taskKind, 2, 6) == at::outputControlTask;
        const bool namesOutput = int(image.bits(task + at::taskOutput, 0, 4)) == output;
        const int action = image.byte(task + at::taskAction);
        if (!enabled || !anyWeekday || !controlsOutput || !namesOutput || action == 0)
            continue;
        lines << "[" + texts.schedulerPage + "]\t\t" + actionText(texts, action) + "\tВ "
                     + QString::number(image.bits(task + at::taskHour, 0, 5)) + ":"
                     + QString::number(image.bits(task + at::taskMinute, 0, 6))
                     + " в указанные дни недели, строка № " + QString::number(i + 1);
    }
}

void addPowerPage(QStringList& lines, const ConfigImage& image, int output, const StimulusTexts& texts)
{
    auto add = [&](std::size_t offset, const QString& event) {
        const OutputAction driven = unpackOutputAction(image.byte(offset));
        if (driven.output == output && driven.action != 0)
            lines << kPowerPage + actionText(texts, driven.action) + event;
    };
    add(at::tamperAction, QStringLiteral("\tПри вскрытии корпуса"));
    add(at::highTemperatureAction, "\tПри превышении температуры выше "
                                       + QString::number(int8_t(image.byte(at::highTemperatureLevel))) + "C");
    add(at::lowTemperatureAction, "\tПри падении температуры ниже "
                                      + QString::number(int8_t(image.byte(at::lowTemperatureLevel))) + "C");
}

void addPerimeters(QStringList& lines, const ConfigImage& image, int output, const StimulusTexts& texts)
{
    const struct {
        std::size_t actions;
        const char* event;
    } groups[] = {{at::perimeterCountdown, "\tПри начале обратного отсчета"},
                  {at::perimeterArm, "\tПри переходе в режим ОХРАНА"},
                  {at::perimeterDisarm, "\tПри переходе в режим НАБЛЮДЕНИЕ"}};
    for (std::size_t p = 0; p < at::perimeterCount; ++p) {
        const std::size_t perimeter = at::perimeters + at::perimeterSize * p;
        for (const auto& group : groups) {
            const int action = image.byte(perimeter + group.actions + std::size_t(output));
            if (action != 0)
                lines << nodeText(texts.perimeterPages, p) + "\t\t\t" + actionText(texts, action)
                             + QString::fromUtf8(group.event);
        }
    }
}

void addInputs(QStringList& lines, const ConfigImage& image, int output, const StimulusTexts& texts)
{
    for (std::size_t n = 0; n < at::listedInputs; ++n) {
        const std::size_t input = at::inputs + at::inputSize * n;
        const QString prefix = "[" + nodeText(texts.inputPages, n) + "]\t\t\t\t";
        const QString number = QString::number(n + 1);
        if (int action = image.byte(input + at::inputActivation + std::size_t(output)); action != 0)
            lines << prefix + actionText(texts, action) + "\tПри активизации входа " + number;
        if (int action = image.byte(input + at::inputDeactivation + std::size_t(output)); action != 0)
            lines << prefix + actionText(texts, action) + "\tПри деактивизации входа " + number;
    }
}

} // namespace

QStringList outputStimuli(const ConfigImage& image, int output, const StimulusTexts& texts)
{
    QStringList lines;
    if (output < 0 || output > 6)
        return lines;
    addSchedulerTasks(lines, image, output, texts);
    addPowerPage(lines, image, output, texts);
    addPerimeters(lines, image, output, texts);
    addInputs(lines, image, output, texts);
    return lines;
}

} // namespace vrm
