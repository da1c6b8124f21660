#include "ui/pages/PlaceholderPages.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vrm {

namespace {

struct PanelRange {
    const char* panelName;
    int first;
    int last;
    PlaceholderPageGroup::Traits traits = {};
};

// Which panel shows which pages.
constexpr PanelRange kPanels[] = {
    {"Panel10", 0, 0},          {"Panel1", 1, 1},           {"Panel5", 2, 9},
    {"PanelGPRSSharedPAr", 10, 10}, {"PanelServersPar", 11, 13}, {"Panel2", 14, 14},
    {"Panel3", 15, 15},         {"PanelPerimeters", 16, 19}, {"Panel7", 20, 20, {.treeTitle = false}},
    {"Panel6", 21, 28},         {"Panel8", 29, 29, {.storeStep = false}},         {"Panel9", 30, 36},
    {"Panel12", 37, 37},        {"PanelProfileMain", 38, 38}, {"PanelProfile", 39, 46},
    {"Panel11", 47, 47},
};

} // namespace

PlaceholderPageGroup::PlaceholderPageGroup(PageHost& host, const QString& panelName, QList<int> pages,
                                           Traits traits, QObject* parent)
    : PageGroup(host, parent), pages_(std::move(pages)), traits_(traits)
{
    panel_ = new QWidget;
    panel_->setObjectName(panelName);
    auto* layout = new QVBoxLayout(panel_);
    title_ = new QLabel(panel_);
    title_->setObjectName(QStringLiteral("LabelTitle") + panelName);
    QFont font = title_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title_->setFont(font);
    layout->addWidget(title_);
    layout->addStretch();
}

PlaceholderPageGroup::~PlaceholderPageGroup() = default;

QWidget* PlaceholderPageGroup::panel(int page)
{
    return pages_.contains(page) ? static_cast<QWidget*>(panel_) : nullptr;
}

QLabel* PlaceholderPageGroup::titleLabel(int page)
{
    return pages_.contains(page) ? title_ : nullptr;
}

std::vector<std::unique_ptr<PageGroup>> createPlaceholderPages(PageHost& host, const QSet<int>& served)
{
    std::vector<std::unique_ptr<PageGroup>> groups;
    for (const PanelRange& range : kPanels) {
        QList<int> missing;
        for (int page = range.first; page <= range.last; ++page) {
            if (!served.contains(page))
                missing << page;
        }
        if (!missing.isEmpty())
            groups.push_back(
                std::make_unique<PlaceholderPageGroup>(host, QString::fromLatin1(range.panelName), missing,
                                                       range.traits));
    }
    return groups;
}

} // namespace vrm
