#pragma once
// Where an operation reports: one status text with its kind (under way,
// success, failure) and a progress position. The window implements it over a
// label and a progress bar and picks the colours; the session never touches
// a widget.

#include <QString>

#include "link/Transaction.h"

namespace vrm {

class StatusView {
public:
    virtual ~StatusView() = default;

    virtual void showStatus(const QString& text, StatusKind kind) = 0;
    virtual void showProgress(int position, int maximum) = 0;
};

// A status view that only keeps the last text, for transactions whose text
// goes elsewhere (the status bar) or nowhere.
class LastStatusText : public StatusView {
public:
    void showStatus(const QString& text, StatusKind kind) override
    {
        text_ = text;
        kind_ = kind;
    }
    void showProgress(int, int) override {}

    const QString& text() const { return text_; }
    StatusKind kind() const { return kind_; }

private:
    QString text_;
    StatusKind kind_ = StatusKind::Progress;
};

} // namespace vrm
