#pragma once
// Page 1, "Общие параметры соединений" (`Panel1`): what all outgoing
// connections share, the access secrets and the prepaid balance check.

#include "ui/pages/kit/RecordPages.h"

namespace vrm {

class CommonParametersPage : public kit::RecordPages<layout::common::Record> {
public:
    explicit CommonParametersPage(PageHost& host, QObject* parent = nullptr);

    static const QString& passwordWarning();

private:
    void build();
    QWidget* buildSecurity();
    QWidget* buildCalls();
    QWidget* buildBalance();
    void administratorPasswordClicked(); // CheckBoxSysPasswordClick
    void applyBalanceTemplate(const QString& command, const QString& keyword);

    QCheckBox* usePassword_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLabel* warning_ = nullptr;
    QLineEdit* ussdCommand_ = nullptr;
    QLineEdit* balanceKeyword_ = nullptr;
    // The balance request lies in a record of its own.
};

} // namespace vrm
