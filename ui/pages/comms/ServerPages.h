#pragma once
// Pages 11-13, "Сервер 1" ... "Сервер 3" (`PanelServersPar`): one set of
// controls for the three server records; page p edits server p - 10.

#include "ui/pages/kit/RecordPages.h"

namespace vrm {

class ServerPages : public kit::RecordPages<layout::server::Record> {
public:
    explicit ServerPages(PageHost& host, QObject* parent = nullptr);

    // The page titles itself "Сервер n".
    QLabel* titleLabel(int) override { return nullptr; }
    void enter(int page) override;

    static constexpr int kIpAddress = 0;
    static constexpr int kDomainName = 1;

private:
    void build();
    void addressTypeChanged(); // ComboBoxDestTypeChange

    QComboBox* addressType_ = nullptr;
    QLineEdit* address_ = nullptr;
};

} // namespace vrm
