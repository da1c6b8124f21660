#pragma once
// The message source check boxes of one channel (voice, SMS or GPRS): inputs
// 1-8 as three-state boxes, the four arm and four disarm mode changes, the
// restricted arm mode, system and test events, and where the channel has them
// GPS and profile changes.

#include <QString>
#include <array>
#include <vector>

#include "model/Layout.h"
#include "ui/pages/kit/Bindings.h"
#include "ui/pages/kit/Widgets.h"

class QGroupBox;

namespace vrm::kit {

struct SourceBoxNames {
    QString input;      // + 1..8
    QString arm;        // + "", 2, 3, 4
    QString disarm;     // + "", 2, 3, 4
    QString restricted; // "ЗАЩИТА", not shown on this device model
    QString system;
    QString test;
    QString gps;        // empty when the channel has none; never shown
    QString profile;    // empty when the channel has none
};

using ModeBoxes = std::array<QCheckBox*, 4>;

struct SourceBoxes {
    QGroupBox* group = nullptr;
    InputBoxes inputs{};
    ModeBoxes arm{};
    ModeBoxes disarm{};
    QCheckBox* restricted = nullptr;
    QCheckBox* system = nullptr;
    QCheckBox* test = nullptr;
    QCheckBox* gps = nullptr;
    QCheckBox* profile = nullptr;

    // Inputs 5-8, the modes 2-4 and the profile box start hidden; page entry shows them.
    void showFullSet();
    // Every box of the group, in the group's own order.
    std::vector<QCheckBox*> all() const;
};

SourceBoxes makeSourceBoxes(const SourceBoxNames& names);

// Bits 0-3 from boxes 1-4.
uint32_t modeBits(const ModeBoxes& boxes);
void showModeBits(const ModeBoxes& boxes, uint32_t bits);

// Makes the group's boxes and binds them to a channel's sources record.
SourceBoxes bindSources(Bindings<layout::sources::Record>& bindings, const SourceBoxNames& names);

} // namespace vrm::kit
