#pragma once
// The panel a page group builds: deleted with the group unless the window has
// taken it into its own widget tree.

#include <QPointer>
#include <QWidget>

namespace vrm {

class OwnedPanel {
public:
    OwnedPanel() = default;
    ~OwnedPanel()
    {
        if (panel_ && !panel_->parent())
            delete panel_;
    }
    OwnedPanel(const OwnedPanel&) = delete;
    OwnedPanel& operator=(const OwnedPanel&) = delete;

    OwnedPanel& operator=(QWidget* panel)
    {
        panel_ = panel;
        return *this;
    }
    operator QWidget*() const { return panel_; }
    QWidget* operator->() const { return panel_; }

private:
    QPointer<QWidget> panel_;
};

} // namespace vrm
