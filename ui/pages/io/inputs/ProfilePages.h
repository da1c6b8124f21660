#pragma once
// Pages 39-46, "Профиль 1" ... "Профиль 8" (`PanelProfile`): the profile's name,
// the thresholds it sets for inputs 1-8 and its actions on the seven outputs.

#include <array>

#include "model/layout/Profiles.h"
#include "ui/pages/kit/RecordPages.h"

namespace vrm {

class ProfileThresholdRow;

class ProfilePages : public kit::RecordPages<layout::profile::Record> {
public:
    static constexpr int kRows = 8; // the page edits the thresholds of inputs 1-8

    explicit ProfilePages(PageHost& host, QObject* parent = nullptr);

    ProfileThresholdRow* row(int input) const { return rows_[std::size_t(input - 1)]; }

private:
    void build();

    std::array<ProfileThresholdRow*, kRows> rows_{};
};

// Page 38, "Профили" (`PanelProfileMain`): what a profile is; it edits nothing.
class ProfilesCommonPage : public PageGroup {
public:
    explicit ProfilesCommonPage(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override { return {38}; }
    QWidget* panel(int) override { return panel_; }
    QLabel* titleLabel(int) override { return title_; }
    void store(int, ConfigImage&) override {}
    void show(int, const ConfigImage&) override {}

private:
    OwnedPanel panel_;
    QLabel* title_ = nullptr;
};

} // namespace vrm
