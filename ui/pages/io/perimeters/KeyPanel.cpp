#include "ui/pages/io/perimeters/KeyPanel.h"

#include "model/UiText.h"
#include "ui/pages/kit/CachedHeightLabel.h"

#include <QVBoxLayout>

namespace vrm {

namespace {
QString passwordRefusedText()
{
    return Ui::tr("Взаимодействие запрещено без указания пароля, программа не сможет получить код ключа");
}
} // namespace

KeyPanel::KeyPanel(Texts texts, QLabel* pageDescription, QWidget* parent)
    : QWidget(parent), texts_(std::move(texts)), pageDescription_(pageDescription)
{
    setObjectName(QStringLiteral("PanelPerimTouch"));
    title_ = new QLabel(Ui::tr("Ключи TouchMemory (общие для всех периметров)"));
    title_->setObjectName(QStringLiteral("LabelPerimTouchTitle"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    readerTitle_ = new kit::CachedHeightLabel(Ui::tr("Приложите ключ к считывателю - его код будет внесен в таблицу"));
    readerTitle_->setObjectName(QStringLiteral("LabelPerimTouchReader"));
    readerTitle_->setWordWrap(true);
    description_ = new kit::CachedHeightLabel;
    description_->setObjectName(QStringLiteral("LabelPerimTouchDiscription"));
    description_->setWordWrap(true);
    for (QLabel* label : {title_, readerTitle_})
        label->setAutoFillBackground(true);
    grid_ = new TouchKeyGrid;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(readerTitle_);
    layout->addWidget(grid_, 1);
    layout->addWidget(description_);
}

void KeyPanel::setTitlesRed(bool red)
{
    for (QLabel* label : {title_, readerTitle_}) {
        QPalette palette = parentWidget() ? parentWidget()->palette() : QPalette();
        if (red)
            palette.setColor(QPalette::Window, QColor(0xFF, 0x00, 0x00));
        label->setPalette(palette);
        label->setProperty("keyRead", red);
    }
}

void KeyPanel::reset()
{
    setTitlesRed(false);
    description_->clear();
    if (pageDescription_)
        pageDescription_->clear();
}

void KeyPanel::keyPolled(Poll poll, const QString& code)
{
    switch (poll) {
    case Poll::PasswordRefused:
        setTitlesRed(false);
        description_->setText(passwordRefusedText());
        if (pageDescription_)
            pageDescription_->setText(passwordRefusedText());
        return;
    case Poll::NoKey:
    case Poll::QueryFailed:
        // The password went through: the titles lose the red of a key shown
        // before, whatever the key query then answers.
        setTitlesRed(false);
        return;
    case Poll::KeyRead:
        break;
    }
    description_->clear();
    setTitlesRed(true);
    const KeyArrivalResult result = grid_->presentKey(code);
    if (!pageDescription_)
        return;
    switch (result.outcome) {
    case KeyArrival::Added: pageDescription_->clear(); break;
    case KeyArrival::AlreadyInTable:
        pageDescription_->setText(texts_.keyWithCode + code + texts_.alreadyInTable);
        break;
    case KeyArrival::MemoryFull: pageDescription_->setText(texts_.memoryFull); break;
    }
}

} // namespace vrm
