#pragma once
// A group of settings pages that share code: it owns their panels and moves
// values between its controls and the configuration image.

#include <QList>
#include <QObject>
#include <QWidget>

class QLabel;

namespace vrm {

class ConfigImage;
class PageHost;

class PageGroup : public QObject {
    Q_OBJECT
public:
    explicit PageGroup(PageHost& host, QObject* parent = nullptr) : QObject(parent), host_(host) {}
    ~PageGroup() override = default;

    // Tree page indices this group serves.
    virtual QList<int> pages() const = 0;
    // The panel that shows `page`; created by the group, owned by the window once shown.
    virtual QWidget* panel(int page) = 0;
    // The title label of `page`'s panel that takes the tree node's text; null where
    // the page keeps its own title.
    virtual QLabel* titleLabel(int /*page*/) { return nullptr; }
    // False for a page without a store and show step (it holds no image field,
    // like page 0 and the outputs overview).
    virtual bool hasStoreStep(int /*page*/) const { return true; }
    // False where the page keeps its own title instead of taking the tree node's text.
    virtual bool takesTreeTitle(int /*page*/) const { return true; }
    // True for a page with its own read and program buttons (page 47): while it
    // is shown, the window's Program, Read, Compare, Reconfigure, Restart and
    // factory configuration actions stay disabled.
    virtual bool hasOwnTransfers(int /*page*/) const { return false; }
    // Preparation on entering `page`, before its show step.
    virtual void enter(int /*page*/) {}
    // Controls of `page` into the image (read-modify-write of each field's own bits).
    virtual void store(int page, ConfigImage& image) = 0;
    // Image into the controls of `page`.
    virtual void show(int page, const ConfigImage& image) = 0;

protected:
    PageHost& host() { return host_; }

private:
    PageHost& host_;
};

} // namespace vrm
