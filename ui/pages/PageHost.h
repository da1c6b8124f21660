#pragma once
// What the main window offers to the page groups.

#include <QString>
#include <QStringList>

#include "ui/PageTree.h"

namespace vrm {

class ConfigImage;
class ControllerAccess;

class PageHost {
public:
    virtual ~PageHost() = default;

    virtual ConfigImage& image() = 0;
    // Absolute tree index of the page whose controls hold the image's values (-1 before the first).
    virtual int shownPage() const = 0;
    // Store the shown page into the image and show the image in it again.
    virtual void storeAndShowShownPage() = 0;
    // The run-time text lists by name ("output names", "reactions", ...), as the
    // language file left them.
    virtual QStringList textList(const QString& name) const = 0;
    virtual QString text(const QString& name) const = 0;
    // The text of tree node `page` as the window shows it; hosts without a tree
    // answer with the built-in text.
    virtual QString pageTitle(int page) const;
    // True when a language file replaced the texts at start-up: the relay and
    // output pages then hide their list of stimuli for the run.
    virtual bool languageFileApplied() const { return false; }

    // The live controller: readings while the page is shown, commands, the
    // clock and page 47's transfers (session/ControllerAccess.h).
    virtual ControllerAccess& controller() = 0;
};

inline QString PageHost::pageTitle(int page) const { return builtInPageTitle(page); }

} // namespace vrm
