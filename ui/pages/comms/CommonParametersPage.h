#pragma once
// Page 1, "Общие параметры соединений" (`Panel1`): what all outgoing
// connections share, the access secrets and the prepaid balance check.

#include "ui/pages/PageGroup.h"
#include "ui/pages/comms/PageWidgets.h"
#include "ui/pages/OwnedPanel.h"


namespace vrm {

class CommonParametersPage : public PageGroup {
    Q_OBJECT
public:
    explicit CommonParametersPage(PageHost& host, QObject* parent = nullptr);

    QList<int> pages() const override { return {1}; }
    QWidget* panel(int) override { return panel_; }
    QLabel* titleLabel(int) override { return title_; }
    void store(int page, ConfigImage& image) override;
    void show(int page, const ConfigImage& image) override;

    static const QString& passwordWarning();

private:
    void build();
    void bindFields();
    void administratorPasswordClicked(); // CheckBoxSysPasswordClick
    void applyBalanceTemplate(const QString& command, const QString& keyword);

    OwnedPanel panel_;
    QLabel* title_ = nullptr;
    QCheckBox* usePassword_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLabel* warning_ = nullptr;
    QLineEdit* pin_ = nullptr;
    QLineEdit* dtmfPassword_ = nullptr;
    QLineEdit* smsPassword_ = nullptr;
    QLineEdit* smsCentre_ = nullptr;
    QComboBox* callPause_ = nullptr;
    QComboBox* dialPriority_ = nullptr;
    QCheckBox* acknowledge_ = nullptr;
    QCheckBox* smsOnlyListed_ = nullptr;
    QCheckBox* dtmfOnlyListed_ = nullptr;
    QComboBox* outdatedTime_ = nullptr;
    QComboBox* dataProtocol_ = nullptr;
    QLineEdit* modbusAddress_ = nullptr;
    QLineEdit* ussdCommand_ = nullptr;
    QLineEdit* balanceKeyword_ = nullptr;
    QLineEdit* threshold_ = nullptr;
    QLineEdit* requestPeriod_ = nullptr;
    // The check boxes and combo boxes that keep one field each.
    comms::FieldBindings fields_;
};

} // namespace vrm
