#include "ui/pages/kit/Widgets.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "model/ConfigImage.h"
#include "model/Cp1251.h"
#include "ui/pages/kit/CachedHeightLabel.h"

namespace vrm::kit {

namespace {

// A tall page's scroll area: it scrolls up and down only, so it asks for the
// width its contents need; a window too narrow for the page then scrolls the
// whole page sideways instead of squeezing its controls.
class VerticalScrollArea : public QScrollArea {
public:
    QSize minimumSizeHint() const override
    {
        QSize hint = QScrollArea::minimumSizeHint();
        if (const QWidget* contents = widget()) {
            hint.setWidth(std::max(hint.width(), contents->minimumSizeHint().width()
                                                     + verticalScrollBar()->sizeHint().width() + 2 * frameWidth()));
        }
        return hint;
    }
};

} // namespace

QLabel* makeLabel(const QString& text, const QString& objectName)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

QLabel* makeNote(const QString& text, const QString& objectName)
{
    auto* label = new CachedHeightLabel(text);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    return label;
}

void setItems(QComboBox* box, const QStringList& items)
{
    bool same = box->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = box->itemText(i) == items[i];
    if (!same) {
        box->clear();
        box->addItems(items);
    }
    box->setCurrentIndex(items.isEmpty() ? -1 : 0);
}

QCheckBox* makeCheckBox(const QString& objectName, const QString& caption)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(objectName);
    return box;
}

QComboBox* makeComboBox(const QString& objectName, const QStringList& items)
{
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    box->addItems(items);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

QLineEdit* makeEdit(const QString& objectName, int maxLength, const QString& qtMask)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    if (!qtMask.isEmpty())
        edit->setInputMask(qtMask);
    edit->setMaxLength(maxLength);
    return edit;
}

namespace {

// Refuses typing that makes the text longer than the limit, or than the text
// shown before it where that is longer already: so a long shown text may be
// shortened but never lengthened.
class TypedLength : public QValidator {
public:
    TypedLength(int limit, QLineEdit* edit) : QValidator(edit), limit_(limit)
    {
        QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text.size(); });
    }
    State validate(QString& input, int&) const override
    {
        return input.size() <= limit_ || input.size() <= shown_ ? Acceptable : Invalid;
    }
    void showing(const QString& text) { shown_ = text.size(); }

private:
    int limit_;
    qsizetype shown_ = 0;
};

} // namespace

int designWidth(const QWidget* widget, int pixels)
{
    constexpr double kDesignFontHeight = 13.0;
    const double scale = std::max(1.0, widget->fontMetrics().height() / kDesignFontHeight);
    return int(pixels * scale + 0.5);
}

QLineEdit* makeTypedEdit(const QString& objectName, int typedLimit)
{
    QLineEdit* edit = makeEdit(objectName, 32767);
    edit->setValidator(new TypedLength(typedLimit, edit));
    return edit;
}

void showWholeText(QLineEdit* edit, const QString& text)
{
    if (auto* limit = dynamic_cast<TypedLength*>(const_cast<QValidator*>(edit->validator())))
        limit->showing(text);
    edit->setText(text);
}

QGroupBox* makeGroup(const QString& objectName, const QString& caption)
{
    auto* group = new QGroupBox(caption);
    group->setObjectName(objectName);
    return group;
}

QLabel* makeTitle(const QString& objectName)
{
    // A long title may be set to wrap.
    auto* title = new CachedHeightLabel;
    title->setObjectName(objectName);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    title->setFont(bold);
    return title;
}

PageFrame makePageFrame(const QString& panelName, const QString& titleName, bool scrolled)
{
    PageFrame frame;
    frame.panel = new QWidget;
    frame.panel->setObjectName(panelName);
    auto* outer = new QVBoxLayout(frame.panel);
    outer->setContentsMargins(8, 6, 8, 6);

    frame.title = makeTitle(titleName);
    outer->addWidget(frame.title);

    auto* body = new QWidget;
    frame.body = new QVBoxLayout(body);
    if (scrolled) {
        frame.body->setContentsMargins(0, 0, 6, 0);
        auto* scroll = new VerticalScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(body);
        outer->addWidget(scroll, 1);
    } else {
        frame.body->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(body, 1);
    }
    return frame;
}

QStringList numberedItems(int first, int last, const QString& suffix, const QString& prefix)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << prefix + QString::number(n) + suffix;
    return items;
}

void showIndex(QComboBox* box, uint32_t value)
{
    box->setCurrentIndex(value < uint32_t(box->count()) ? int(value) : -1);
}

void showCheck(QCheckBox* box, uint32_t value)
{
    box->setChecked(value != 0);
}

uint16_t inputsSetWord(const InputBoxes& boxes)
{
    uint16_t word = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->checkState() != Qt::Unchecked)
            word |= uint16_t(1u << i);
    return word;
}

uint16_t inputsCheckedWord(const InputBoxes& boxes)
{
    uint16_t word = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->checkState() == Qt::Checked)
            word |= uint16_t(1u << i);
    return word;
}

void showInputStates(const InputBoxes& boxes, uint16_t setWord, uint16_t checkedWord)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        Qt::CheckState state = Qt::Unchecked;
        if (setWord & (1u << i))
            state = Qt::PartiallyChecked;
        if (checkedWord & (1u << i))
            state = Qt::Checked;
        boxes[i]->setCheckState(state);
    }
}

} // namespace vrm::kit
