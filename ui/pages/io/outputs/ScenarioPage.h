#pragma once
// Page 37: the fourteen control scenarios in one grid, with the signal shape
// of the current scenario drawn above its steps.

#include "ui/pages/OwnedPanel.h"
#include "ui/pages/PageGroup.h"

namespace vrm {

class ScenarioGrid;

class ScenarioPage : public PageGroup {
    Q_OBJECT
public:
    static constexpr int kPage = 37;

    explicit ScenarioPage(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override { return {kPage}; }
    QWidget* panel(int page) override;
    QLabel* titleLabel(int page) override;
    void enter(int page) override;
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

    ScenarioGrid* grid() const { return grid_; }

private:
    OwnedPanel panel_;
    QLabel* title_ = nullptr;
    ScenarioGrid* grid_ = nullptr;
};

} // namespace vrm
