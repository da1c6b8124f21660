#pragma once
// The base of a page group over one record array: one panel for all its
// pages, page -> record, the title from the tree node, and the store and
// show steps through the group's bindings. A single record (count 1) is an
// array of one.

#include <QLabel>
#include <QList>
#include <QVBoxLayout>

#include "model/Layout.h"
#include "ui/pages/OwnedPanel.h"
#include "ui/pages/PageGroup.h"
#include "ui/pages/kit/Bindings.h"
#include "ui/pages/kit/Widgets.h"

namespace vrm::kit {

template <class R> class RecordPages : public PageGroup {
public:
    // The panel `panelName` with a bold title label `titleName` (empty: unnamed)
    // above a body that scrolls when `scrolled`.
    RecordPages(PageHost& host, const RecordArray<R>& records, const QString& panelName, const QString& titleName,
                bool scrolled = true, QObject* parent = nullptr)
        : PageGroup(host, parent), records_(records), fields_(&host)
    {
        frame_ = makePageFrame(panelName, titleName, scrolled);
        panel_ = frame_.panel;
    }

    QList<int> pages() const override
    {
        QList<int> list;
        for (int k = 0; k < std::max(records_.pages, 1) && records_.firstPage >= 0; ++k)
            list << records_.firstPage + k;
        return list;
    }
    QWidget* panel(int) override { return panel_; }
    QLabel* titleLabel(int) override { return frame_.title; }
    void store(int page, ConfigImage& image) override { fields_.store(image, recordOf(page)); }
    void show(int page, const ConfigImage& image) override { fields_.show(image, recordOf(page)); }

protected:
    // The record that `page` edits (the only one of a single-record group).
    RecordAt<R> recordOf(int page) const
    {
        return records_[records_.pages > 1 ? std::size_t(page - records_.firstPage) : 0];
    }
    // Number of the record `page` edits, from 0.
    std::size_t indexOf(int page) const { return records_.pages > 1 ? std::size_t(page - records_.firstPage) : 0; }

    Bindings<R>& fields() { return fields_; }
    QVBoxLayout* body() const { return frame_.body; }
    QLabel* title() const { return frame_.title; }
    const RecordArray<R>& records() const { return records_; }

private:
    const RecordArray<R>& records_;
    PageFrame frame_;
    OwnedPanel panel_;
    Bindings<R> fields_;
};

} // namespace vrm::kit
