#pragma once
// The stored controls of the input and profile pages as comparable text, and a
// way to give each a value other than its factory one; shared by the round trips
// through the page groups and through the main window.

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QWidget>
#include <map>

namespace vrm::test {

// Object name -> "index 2", "text '...'", "state 1", "position 100", "value 5".
using InputControlStates = std::map<QString, QString>;

inline bool insideCompound(QWidget* w)
{
    return qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget());
}

inline InputControlStates captureInputControls(QWidget* panel)
{
    InputControlStates states;
    for (QComboBox* box : panel->findChildren<QComboBox*>())
        states[box->objectName()] = box->isEditable() ? QStringLiteral("text '%1'").arg(box->currentText())
                                                      : QStringLiteral("index %1").arg(box->currentIndex());
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        states[box->objectName()] = QStringLiteral("state %1").arg(int(box->checkState()));
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
        if (!insideCompound(edit))
            states[edit->objectName()] = QStringLiteral("text '%1'").arg(edit->text());
    for (QSlider* bar : panel->findChildren<QSlider*>())
        states[bar->objectName()] = QStringLiteral("position %1").arg(bar->value());
    for (QSpinBox* spin : panel->findChildren<QSpinBox*>())
        states[spin->objectName()] = QStringLiteral("value %1").arg(spin->value());
    states.erase(QString());
    return states;
}

// Moves every stored control away from its value; `variant` (the page) makes the
// pages that share a panel differ. Upper thresholds are set before lower ones, so
// the interlock keeps both.
inline void changeEveryInputControl(QWidget* panel, int variant)
{
    for (QComboBox* box : panel->findChildren<QComboBox*>()) {
        if (box->objectName().isEmpty())
            continue;
        if (box->isEditable())
            box->setEditText(QStringLiteral("ИМЯ %1").arg(variant));
        else if (box->count() > 1)
            box->setCurrentIndex((box->currentIndex() + 1 + variant % (box->count() - 1)) % box->count());
    }
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        if (!box->objectName().isEmpty())
            box->setChecked(!box->isChecked());
    const QList<QSlider*> bars = panel->findChildren<QSlider*>();
    for (QSlider* bar : bars)
        if (bar->objectName().contains(QStringLiteral("Hi")))
            bar->setValue(3000 + variant);
    for (QSlider* bar : bars)
        if (bar->objectName().contains(QStringLiteral("Lo")))
            bar->setValue(500 + variant);
    for (QSpinBox* spin : panel->findChildren<QSpinBox*>())
        spin->setValue(10 + variant);
    const std::map<QString, QString> edits = {
        {QStringLiteral("MaskEditMinVal"), QStringLiteral("-5.5")},
        {QStringLiteral("MaskEditMaxVal"), QStringLiteral("%1.25").arg(20 + variant)},
    };
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>()) {
        if (edit->objectName().isEmpty() || insideCompound(edit))
            continue;
        const auto value = edits.find(edit->objectName());
        if (value == edits.end())
            ADD_FAILURE() << "no test value for " << edit->objectName().toStdString();
        else
            edit->setText(value->second);
    }
}

} // namespace vrm::test
