#pragma once
// The message source check boxes of one channel (voice, SMS or GPRS): inputs
// 1-8 as three-state boxes, the four arm and four disarm mode changes, the
// restricted arm mode, system and test events, and where the channel has them
// GPS and profile changes.

#include <QString>
#include <array>
#include <vector>

#include "ui/pages/comms/PageWidgets.h"

class QGroupBox;

namespace vrm::comms {

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

// Where a channel keeps its sources in its record; GPS and profile are null
// where the channel has none.
struct SourceFields {
    const Field* inputsSet;
    const Field* inputsChecked;
    const Field* arm;
    const Field* disarm;
    const Field* restricted;
    const Field* system;
    const Field* test;
    const Field* gps = nullptr;
    const Field* profile = nullptr;
};
void storeSources(ConfigImage& image, std::size_t base, const SourceFields& fields, const SourceBoxes& boxes);
void showSources(const ConfigImage& image, std::size_t base, const SourceFields& fields, const SourceBoxes& boxes);

} // namespace vrm::comms
