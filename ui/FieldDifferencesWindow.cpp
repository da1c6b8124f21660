#include "ui/FieldDifferencesWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/UiText.h"
#include "model/ShownName.h"

namespace vrm {

namespace {
constexpr int kPageRole = Qt::UserRole;
// The model names the bytes no field owns so; translated where shown.
[[maybe_unused]] const char* const kOtherBytesName = QT_TRANSLATE_NOOP("Ui", "Прочие байты по смещению %1");
} // namespace

FieldDifferencesWindow::FieldDifferencesWindow(std::function<void(int)> goToPage, QWidget* parent)
    : QDialog(parent), goToPage_(std::move(goToPage))
{
    setObjectName(QStringLiteral("FieldDifferences"));
    setModal(false);
    resize(820, 420);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("FieldDifferencesSummary"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("FieldDifferencesList"));
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->setUniformRowHeights(true);
    list_->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int page = item->data(0, kPageRole).toInt();
        if (page >= 0 && goToPage_)
            goToPage_(page);
    });
}

void FieldDifferencesWindow::showDifferences(const QString& title, const QString& otherSide,
                                             const QList<FieldDifference>& differences)
{
    setWindowTitle(title);
    summary_->setText(Ui::tr("Различий: %1. Двойной щелчок открывает страницу поля.").arg(differences.size()));
    list_->clear();
    list_->setHeaderLabels({Ui::tr("Страница"), Ui::tr("Поле"), Ui::tr("В программе"), otherSide});
    QList<QTreeWidgetItem*> items;
    for (const FieldDifference& d : differences) {
        auto* item = new QTreeWidgetItem(
            QStringList{d.page < 0 ? QStringLiteral("—") : QString::number(d.page), translatedFieldName(d.name), d.ownValue,
                        d.otherValue});
        item->setData(0, kPageRole, d.page);
        item->setToolTip(1, item->text(1));
        items << item;
    }
    list_->addTopLevelItems(items);
    for (int column = 0; column < 4; ++column)
        list_->resizeColumnToContents(column);
    show();
    raise();
    activateWindow();
}

} // namespace vrm
