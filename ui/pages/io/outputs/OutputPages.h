#pragma once
// Pages 29-36: the outputs page with the picture of the terminals (29) and the
// page of one relay or output (30-31 relays 1-2, 32-36 outputs 1-5), with the
// list of every other setting that drives the shown output.

#include "model/layout/Outputs.h"
#include "ui/pages/kit/RecordPages.h"

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;

namespace vrm {

class OutputPages : public kit::RecordPages<layout::output::Record> {
public:
    static constexpr int kOutputsPage = 29;
    static constexpr int kFirstOutputPage = 30;
    static constexpr int kRelayCount = 2;

    explicit OutputPages(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override;
    QWidget* panel(int page) override;
    QLabel* titleLabel(int page) override;
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

private:
    void buildOutputsPanel();
    void buildOutputPanel();
    void showStimuli(int output, const ConfigImage& image);

    OwnedPanel outputsPanel_;
    QLabel* outputsTitle_ = nullptr;
    QCheckBox* enabled_ = nullptr;
    QGroupBox* stimulusGroup_ = nullptr;
    QPlainTextEdit* stimuli_ = nullptr;
};

} // namespace vrm
