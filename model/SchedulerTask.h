#pragma once
// The codings of one task of the task scheduler: its time text and its action,
// between the page's controls and the task bytes.

#include <QString>
#include <cstdint>
#include <optional>

namespace vrm {

// The row's two combo boxes. Action: 0 "Нет действия", 1 arm, 2 disarm,
// 3-9 control of output number 0-6, 10-17 apply profile 1-8. Parameter: the
// perimeter selection for actions 1-2, the output action for 3-9, else unused.
struct TaskActionChoice {
    int action = 0;
    int parameter = 0;
    bool operator==(const TaskActionChoice&) const = default;
};

inline constexpr int kTaskActionCount = 18;

// Task kinds, stored in bits 2-7 of the task's action byte.
enum class TaskKind : uint8_t { None = 0, Arm = 1, Disarm = 2, OutputControl = 3, ApplyProfile = 4 };

// What a choice writes: the kind, the target byte and, for output control, the
// output action byte. For output control only bits 0-3 of the target are the
// output number; its bits 4-7 are kept.
struct TaskActionBytes {
    TaskKind kind;
    uint8_t target;
    std::optional<uint8_t> outputAction;
    bool operator==(const TaskActionBytes&) const = default;
};

TaskActionBytes encodeTaskAction(TaskActionChoice choice);

// The choice that the action byte (test and info bits included), the target
// byte and the output action byte show. Unknown kinds, output numbers above 6
// and profiles above 8 show as "Нет действия"; a parameter outside its list
// shows as its first item.
TaskActionChoice decodeTaskAction(uint8_t actionByte, uint8_t target, uint8_t outputAction);

// Number of items of the parameter box for an action: 7 perimeter selections,
// 17 output actions, or 0 when the box is hidden.
int taskParameterCount(int action);

struct TaskTime {
    uint8_t hour = 0;   // low 5 bits of the typed hour
    uint8_t minute = 0; // low 6 bits of the typed minute
    bool operator==(const TaskTime&) const = default;
};

// "HH:MM": the hour from the first two characters, the minute from the text
// after the third; an unreadable part gives 0. Nothing is range-checked.
TaskTime taskTimeFromText(const QString& text);
// Two digits each, joined by ":".
QString taskTimeText(TaskTime time);

} // namespace vrm
