#pragma once
// The read-only list on a relay or output page of every setting elsewhere in
// the configuration that drives that output: scheduler tasks, the tamper and
// board temperature reactions, perimeter mode changes and input changes.
// Supply, battery and profile actions are not listed.

#include <QString>
#include <QStringList>

namespace vrm {

class ConfigImage;

// The texts the lines are made of, as the window shows them (the language file may replace them).
struct StimulusTexts {
    QString schedulerPage;      // tree node of the clock and scheduler page
    QStringList perimeterPages; // tree nodes of perimeters 1-4
    QStringList inputPages;     // tree nodes of inputs 1-8
    QStringList actions;        // the action list: index = stored action value
};

// One line per setting that acts on output `output` (0 relay 1 ... 6 output 5), in list order,
// fields separated by tabs.
QStringList outputStimuli(const ConfigImage& image, int output, const StimulusTexts& texts);

} // namespace vrm
