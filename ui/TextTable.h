#pragma once
// The interface texts that the window builds at run time: named lists (output
// names, reactions, GSM states, transaction messages, ...) and single texts.
// Every entry is translated when the table is made (the built-in wording is
// the Russian source); the language file may replace any entry; every user
// reads them by name.

#include <QHash>
#include <QString>
#include <QStringList>

namespace vrm {

namespace texts {
// Lists.
inline constexpr char modeNames[] = "mode names";
// The names of these two are the ones the field declarations give (model/layout/Items.h).
inline constexpr char outputNames[] = "output names";
inline constexpr char reactions[] = "reactions";
inline constexpr char controlActions[] = "control actions";
// What an event does to an output: the stored byte is the index.
inline constexpr char actions[] = "actions";
inline constexpr char indicationModes[] = "indication modes";
inline constexpr char enableCaptions[] = "enable captions";
inline constexpr char stimulusCaptions[] = "stimulus captions";
inline constexpr char gsmStates[] = "gsm states";
inline constexpr char transactionMessages[] = "transaction messages";
// Single texts.
inline constexpr char signalForm[] = "signal form";
inline constexpr char scenarioNumber[] = "scenario number";
inline constexpr char cycle[] = "cycle";
inline constexpr char high[] = "high";
inline constexpr char low[] = "low";
inline constexpr char portDialogCaption[] = "port dialog caption";
inline constexpr char portDialogError[] = "port dialog error";
inline constexpr char forDeviceVersions[] = "for device versions";
inline constexpr char aboutCaption[] = "about caption";
inline constexpr char memoryFull[] = "memory full";
inline constexpr char keyWithCode[] = "key with code";
inline constexpr char keyAlreadyInTable[] = "key already in table";
inline constexpr char showModeOnOutput[] = "show mode on output";
} // namespace texts

class TextTable {
public:
    // Every list and text in its built-in wording.
    TextTable();

    // An unknown name gives an empty list or text.
    QStringList list(const QString& name) const { return lists_.value(name); }
    QString text(const QString& name) const { return texts_.value(name); }

    QStringList listNames() const { return lists_.keys(); }
    QStringList textNames() const { return texts_.keys(); }

    // Replacement by the language file; unknown names are refused.
    bool setList(const QString& name, const QStringList& entries);
    bool setText(const QString& name, const QString& value);

private:
    QHash<QString, QStringList> lists_;
    QHash<QString, QString> texts_;
};

} // namespace vrm
