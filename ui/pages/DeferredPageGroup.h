#pragma once
// Page groups built on first use. Building a group creates its panels (some
// hundred controls with their item lists), which is most of the window's
// start-up; a group nobody opens is never built. One DeferredPageGroup stands
// for every page a factory's groups serve and hands each call to the group
// that serves the page, building them all at the first call.

#include <QList>
#include <functional>
#include <memory>
#include <vector>

#include "ui/pages/PageGroup.h"

namespace vrm {

class DeferredPageGroup : public PageGroup {
    Q_OBJECT
public:
    using Factory = std::function<std::vector<std::unique_ptr<PageGroup>>(PageHost&)>;

    // `pages` are the pages the factory's groups serve, known without building them.
    DeferredPageGroup(PageHost& host, QList<int> pages, Factory factory);
    ~DeferredPageGroup() override;

    bool built() const { return built_; }
    // Builds the groups now (the window does it in idle time after start-up).
    void build() { target(pages_.first()); }

    QList<int> pages() const override { return pages_; }
    QWidget* panel(int page) override;
    QLabel* titleLabel(int page) override;
    bool hasStoreStep(int page) const override;
    bool takesTreeTitle(int page) const override;
    bool hasOwnTransfers(int page) const override;
    void enter(int page) override;
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

private:
    PageGroup& target(int page) const;

    QList<int> pages_;
    Factory factory_;
    mutable bool built_ = false;
    mutable std::vector<std::unique_ptr<PageGroup>> groups_;
    mutable std::vector<PageGroup*> groupOfPage_; // by page number
};

} // namespace vrm
