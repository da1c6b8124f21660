#include "ui/pages/io/inputs/ProfileThresholdRow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>

#include "model/InputThresholds.h"
#include "model/UiText.h"

namespace vrm {

namespace {

QSlider* thresholdBar(const QString& name, QWidget* parent)
{
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(0, kRawMax);
    bar->setTickPosition(QSlider::NoTicks);
    bar->setFixedSize(153, 17);
    return bar;
}

QLabel* valueLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(64);
    return label;
}

} // namespace

ProfileThresholdRow::ProfileThresholdRow(int input, QWidget* parent) : QWidget(parent)
{
    const QString n = QString::number(input);
    enabled_ = new QCheckBox(n, this);
    enabled_->setObjectName(QStringLiteral("CheckBoxProfileInput") + n);
    upper_ = thresholdBar(QStringLiteral("TrackBarProfileHi") + n, this);
    lower_ = thresholdBar(QStringLiteral("TrackBarProfileLo") + n, this);
    upperValue_ = valueLabel(QStringLiteral("LabelProfileHi") + n, this);
    lowerValue_ = valueLabel(QStringLiteral("LabelProfileLo") + n, this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(enabled_, 0, 0, 2, 1);
    grid->addWidget(new QLabel(Ui::tr("В", "upper threshold"), this), 0, 1);
    grid->addWidget(upper_, 0, 2);
    grid->addWidget(upperValue_, 0, 3);
    grid->addWidget(new QLabel(Ui::tr("Н", "lower threshold"), this), 1, 1);
    grid->addWidget(lower_, 1, 2);
    grid->addWidget(lowerValue_, 1, 3);
    grid->setColumnStretch(3, 1);

    connect(upper_, &QSlider::valueChanged, this, &ProfileThresholdRow::upperMoved);
    connect(lower_, &QSlider::valueChanged, this, &ProfileThresholdRow::lowerMoved);
}

void ProfileThresholdRow::setScale(int type, UserScale scale)
{
    type_ = type;
    scale_ = scale;
    refreshLabels();
}

void ProfileThresholdRow::refreshLabels()
{
    if (const std::optional<QString> text = profileValueText(type_, upper_->value(), scale_))
        upperValue_->setText(*text);
    if (const std::optional<QString> text = profileValueText(type_, lower_->value(), scale_))
        lowerValue_->setText(*text);
}

void ProfileThresholdRow::upperMoved()
{
    const Thresholds t = afterHighMoved({lower_->value(), upper_->value()});
    if (t.low != lower_->value())
        lower_->setValue(t.low);
    refreshLabels();
}

void ProfileThresholdRow::lowerMoved()
{
    const Thresholds t = afterLowMoved({lower_->value(), upper_->value()});
    if (t.high != upper_->value())
        upper_->setValue(t.high);
    refreshLabels();
}

} // namespace vrm
