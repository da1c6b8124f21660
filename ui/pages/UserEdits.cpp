#include "ui/pages/UserEdits.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>

namespace vrm {

void connectUserEdits(QWidget* root, QObject* context, const std::function<void()>& edited)
{
    const auto call = [edited] { edited(); };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            QObject::connect(edit, &QLineEdit::textEdited, context, call);
        else if (auto* box = qobject_cast<QComboBox*>(w))
            QObject::connect(box, &QComboBox::activated, context, call);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            QObject::connect(button, &QAbstractButton::clicked, context, call);
        else if (auto* slider = qobject_cast<QSlider*>(w)) // scroll bars are no edits
            QObject::connect(slider, &QSlider::valueChanged, context, call);
        else if (auto* spin = qobject_cast<QSpinBox*>(w))
            QObject::connect(spin, &QSpinBox::valueChanged, context, call);
        else if (auto* realSpin = qobject_cast<QDoubleSpinBox*>(w))
            QObject::connect(realSpin, &QDoubleSpinBox::valueChanged, context, call);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(w); text && !text->isReadOnly())
            QObject::connect(text, &QPlainTextEdit::textChanged, context, call);
        else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            QObject::connect(view->model(), &QAbstractItemModel::dataChanged, context, call);
    }
}

} // namespace vrm
