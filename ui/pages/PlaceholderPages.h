#pragma once
// Page groups whose editors are not built yet: a real panel with its title
// label and nothing to store or show, so that every tree node switches to a
// panel of its own.

#include <QList>
#include <QPointer>
#include <QSet>
#include <memory>
#include <vector>

#include "ui/pages/PageGroup.h"
#include "ui/pages/OwnedPanel.h"

class QLabel;

namespace vrm {

class PlaceholderPageGroup : public PageGroup {
    Q_OBJECT
public:
    // What the panel's future page group will answer.
    struct Traits {
        bool storeStep = true;
        bool treeTitle = true;
    };

    PlaceholderPageGroup(PageHost& host, const QString& panelName, QList<int> pages, Traits traits,
                         QObject* parent = nullptr);
    ~PlaceholderPageGroup() override;

    QList<int> pages() const override { return pages_; }
    QWidget* panel(int page) override;
    QLabel* titleLabel(int page) override;
    bool hasStoreStep(int) const override { return traits_.storeStep; }
    bool takesTreeTitle(int) const override { return traits_.treeTitle; }
    void store(int, ConfigImage&) override {}
    void show(int, const ConfigImage&) override {}

private:
    QList<int> pages_;
    Traits traits_;
    OwnedPanel panel_;
    QLabel* title_ = nullptr;
};

// One placeholder group per panel of the page table for the pages that no
// group in `served` covers. A panel shared by several pages is created once
// for all those of its pages that are still missing.
std::vector<std::unique_ptr<PageGroup>> createPlaceholderPages(PageHost& host, const QSet<int>& served);

} // namespace vrm
