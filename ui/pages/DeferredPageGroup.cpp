#include "ui/pages/DeferredPageGroup.h"

#include <QtGlobal>
#include <algorithm>

namespace vrm {

DeferredPageGroup::DeferredPageGroup(PageHost& host, QList<int> pages, Factory factory)
    : PageGroup(host), pages_(std::move(pages)), factory_(std::move(factory))
{
}

DeferredPageGroup::~DeferredPageGroup() = default;

PageGroup& DeferredPageGroup::target(int page) const
{
    if (!built_) {
        built_ = true;
        groups_ = factory_(const_cast<DeferredPageGroup*>(this)->host());
        const int last = *std::max_element(pages_.begin(), pages_.end());
        groupOfPage_.assign(std::size_t(last) + 1, nullptr);
        for (const auto& group : groups_) {
            for (int served : group->pages()) {
                if (!pages_.contains(served))
                    qFatal("page %d is served by a deferred group but not declared for it", served);
                if (!groupOfPage_[std::size_t(served)])
                    groupOfPage_[std::size_t(served)] = group.get();
            }
        }
        for (int declared : pages_) {
            if (!groupOfPage_[std::size_t(declared)])
                qFatal("page %d is declared for a deferred group that does not serve it", declared);
        }
    }
    if (page < 0 || std::size_t(page) >= groupOfPage_.size() || !groupOfPage_[std::size_t(page)])
        qFatal("page %d is not served by this deferred group", page);
    return *groupOfPage_[std::size_t(page)];
}

QWidget* DeferredPageGroup::panel(int page) { return target(page).panel(page); }
QLabel* DeferredPageGroup::titleLabel(int page) { return target(page).titleLabel(page); }
bool DeferredPageGroup::hasStoreStep(int page) const { return target(page).hasStoreStep(page); }
bool DeferredPageGroup::takesTreeTitle(int page) const { return target(page).takesTreeTitle(page); }
bool DeferredPageGroup::hasOwnTransfers(int page) const { return target(page).hasOwnTransfers(page); }
void DeferredPageGroup::enter(int page) { target(page).enter(page); }
void DeferredPageGroup::store(int page, ConfigImage& image) { target(page).store(page, image); }
void DeferredPageGroup::show(int page, const ConfigImage& image) { target(page).show(page, image); }

} // namespace vrm
