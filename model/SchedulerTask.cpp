#include "model/SchedulerTask.h"

namespace vrm {

namespace {

constexpr int kFirstOutputAction = 3;
constexpr int kFirstProfileAction = 10;
constexpr int kPerimeterSelections = 7;
constexpr int kOutputActions = 17;

int lenientNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

TaskActionBytes encodeTaskAction(TaskActionChoice choice)
{
    const int a = choice.action;
    if (a >= kFirstProfileAction)
        return {TaskKind::ApplyProfile, uint8_t(a - kFirstProfileAction), std::nullopt};
    if (a >= kFirstOutputAction)
        return {TaskKind::OutputControl, uint8_t(a - kFirstOutputAction), uint8_t(choice.parameter)};
    return {TaskKind(a), uint8_t(choice.parameter), std::nullopt};
}

int taskParameterCount(int action)
{
    if (action == 1 || action == 2)
        return kPerimeterSelections;
    if (action >= kFirstOutputAction && action < kFirstProfileAction)
        return kOutputActions;
    return 0;
}

TaskActionChoice decodeTaskAction(uint8_t actionByte, uint8_t target, uint8_t outputAction)
{
    TaskActionChoice choice;
    int parameter = 0;
    if (actionByte < 12) {
        choice.action = actionByte >> 2;
        parameter = target;
    } else if (actionByte / 4 == 3) {
        const int output = target & 0x0F;
        if (output > 6)
            return {};
        choice.action = output + kFirstOutputAction;
        parameter = outputAction;
    } else if (actionByte >= 16 && actionByte < 20) {
        if (target > 7)
            return {};
        choice.action = target + kFirstProfileAction;
    } else {
        return {};
    }
    choice.parameter = parameter < taskParameterCount(choice.action) ? parameter : 0;
    return choice;
}

TaskTime taskTimeFromText(const QString& text)
{
    return {uint8_t(lenientNumber(text.left(2)) & 0x1F), uint8_t(lenientNumber(text.mid(3)) & 0x3F)};
}

QString taskTimeText(TaskTime time)
{
    return QStringLiteral("%1:%2").arg(time.hour, 2, 10, QLatin1Char('0')).arg(time.minute, 2, 10, QLatin1Char('0'));
}

} // namespace vrm
