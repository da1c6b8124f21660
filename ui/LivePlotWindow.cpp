#include "ui/LivePlotWindow.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "model/InputLiveValue.h"
#include "model/UiText.h"
#include "session/ControllerSession.h"
#include "session/LiveSeries.h"
#include "model/ShownName.h"

namespace vrm {
namespace {

constexpr int kRefreshMs = 1000;
constexpr qint64 kStaleMs = 3000; // no reading for this long: the hint shows why
constexpr int kSpanMinutes[] = {2, 5, 10, 30};
// Time between the labels of the time axis, per span: the axis ends on a
// multiple of it, so that the labels read as round times.
constexpr int kTickSeconds[] = {30, 60, 120, 300};
constexpr int kDefaultSpan = 2; // index of 10 minutes

struct ChannelLook {
    const char* title; // interface texts, translated where shown
    const char* unit;
    int decimals;
    QColor colour;
    double fixedMin; // a fixed range when fixedMin < fixedMax
    double fixedMax;
    double minSpan;  // otherwise the range follows the values, at least this wide
};

const ChannelLook& look(PlotChannel channel)
{
    static const ChannelLook looks[LivePlotWindow::kChannelCount] = {
        {QT_TRANSLATE_NOOP("Ui", "Напряжение питания"), QT_TRANSLATE_NOOP("Ui", "В"), 1, QColor(0x1f, 0x5f, 0xbf), 0, 0, 1.0},
        {QT_TRANSLATE_NOOP("Ui", "Заряд аккумулятора"), "%", 0, QColor(0x2e, 0x8b, 0x3e), 0, 100, 0},
        {QT_TRANSLATE_NOOP("Ui", "Температура"), "°C", 0, QColor(0xc0, 0x39, 0x2b), 0, 0, 10.0},
        {QT_TRANSLATE_NOOP("Ui", "Уровень сигнала GSM"), QT_TRANSLATE_NOOP("Ui", "из 31"), 0, QColor(0x8e, 0x44, 0xad), 0,
         31, 0},
        {QT_TRANSLATE_NOOP("Ui", "Вход"), "", 2, QColor(0xd3, 0x6b, 0x00), 0, 0, 0.1},
    };
    return looks[int(channel)];
}

// The units the model gives an input's reading ("В" is above), translated where shown.
[[maybe_unused]] const char* const kInputUnits[] = {QT_TRANSLATE_NOOP("Ui", "ед.")};

// A range that holds [low, high] with some room, at least `minSpan` wide,
// not below zero for values that are never negative.
std::pair<double, double> roomyRange(double low, double high, double minSpan)
{
    const double span = std::max(high - low, minSpan);
    const double middle = (low + high) / 2;
    double from = middle - span * 0.6;
    if (low >= 0 && from < 0)
        from = 0;
    return {from, std::max(middle + span * 0.6, from + minSpan)};
}

} // namespace

LivePlotWindow::LivePlotWindow(const LiveSeries& series, const ConfigImage& image, QWidget* parent)
    : QWidget(parent, Qt::Window), series_(series), image_(image)
{
    setObjectName(QStringLiteral("LivePlotWindow"));
    setWindowTitle(Ui::tr("Графики"));
    resize(960, 720);

    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(Ui::tr("Вход:"), this));
    inputChoice_ = new QComboBox(this);
    inputChoice_->setObjectName(QStringLiteral("PlotInput"));
    for (int n = 1; n <= 8; ++n)
        inputChoice_->addItem(Ui::tr("Вход %1").arg(n));
    controls->addWidget(inputChoice_);
    controls->addSpacing(16);
    controls->addWidget(new QLabel(Ui::tr("Интервал:"), this));
    spanChoice_ = new QComboBox(this);
    spanChoice_->setObjectName(QStringLiteral("PlotSpan"));
    for (int minutes : kSpanMinutes)
        spanChoice_->addItem(Ui::tr("%1 мин").arg(minutes));
    spanChoice_->setCurrentIndex(kDefaultSpan);
    controls->addWidget(spanChoice_);
    controls->addStretch(1);
    pause_ = new QPushButton(Ui::tr("Пауза"), this);
    pause_->setObjectName(QStringLiteral("PlotPause"));
    pause_->setCheckable(true);
    controls->addWidget(pause_);
    auto* exportButton = new QPushButton(Ui::tr("Сохранить в CSV…"), this);
    exportButton->setObjectName(QStringLiteral("PlotExport"));
    controls->addWidget(exportButton);
    layout->addLayout(controls);

    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("PlotHint"));
    hint_->setWordWrap(true);
    hint_->setStyleSheet(QStringLiteral("color: #8a5a00;"));
    layout->addWidget(hint_);

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    grid->addWidget(buildPlot(PlotChannel::Supply, QStringLiteral("SeriesSupply")), 0, 0);
    grid->addWidget(buildPlot(PlotChannel::Battery, QStringLiteral("SeriesBattery")), 0, 1);
    grid->addWidget(buildPlot(PlotChannel::Temperature, QStringLiteral("SeriesTemperature")), 1, 0);
    grid->addWidget(buildPlot(PlotChannel::Signal, QStringLiteral("SeriesSignal")), 1, 1);
    grid->addWidget(buildPlot(PlotChannel::Input, QStringLiteral("SeriesInput")), 2, 0, 1, 2);
    layout->addLayout(grid, 1);

    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (!paused_)
            refresh();
    });
    timer_->start();
    // A paused picture keeps its time span and shows the newly chosen input or span over it.
    connect(inputChoice_, &QComboBox::currentIndexChanged, this, &LivePlotWindow::refresh);
    connect(spanChoice_, &QComboBox::currentIndexChanged, this, &LivePlotWindow::refresh);
    connect(pause_, &QPushButton::toggled, this, &LivePlotWindow::setPaused);
    connect(exportButton, &QPushButton::clicked, this, &LivePlotWindow::chooseExportFile);
    refresh();
}

QWidget* LivePlotWindow::buildPlot(PlotChannel channel, const QString& objectName)
{
    Plot& plot = plots_[std::size_t(channel)];
    const ChannelLook& l = look(channel);
    plot.chart = new QChart;
    plot.chart->legend()->hide();
    plot.chart->setMargins(QMargins(4, 2, 4, 2));
    plot.chart->setBackgroundRoundness(0);
    QFont titleFont = plot.chart->titleFont();
    titleFont.setPointSizeF(10);
    titleFont.setBold(true);
    plot.chart->setTitleFont(titleFont);

    plot.line = new QLineSeries;
    plot.line->setObjectName(objectName);
    QPen pen(l.colour);
    pen.setWidthF(1.6);
    plot.line->setPen(pen);
    plot.chart->addSeries(plot.line);

    plot.time = new QDateTimeAxis;
    plot.time->setFormat(QStringLiteral("hh:mm:ss"));
    plot.time->setTickCount(6);
    plot.values = new QValueAxis;
    plot.values->setLabelFormat(l.decimals > 0 ? QStringLiteral("%.1f") : QStringLiteral("%d"));
    plot.values->setTickCount(5);
    QFont axisFont = plot.values->labelsFont();
    axisFont.setPointSizeF(8);
    plot.values->setLabelsFont(axisFont);
    plot.time->setLabelsFont(axisFont);
    plot.chart->addAxis(plot.time, Qt::AlignBottom);
    plot.chart->addAxis(plot.values, Qt::AlignLeft);
    plot.line->attachAxis(plot.time);
    plot.line->attachAxis(plot.values);

    if (channel == PlotChannel::Signal) {
        // 0-31 reads best in steps of 5.
        plot.values->setTickType(QValueAxis::TicksDynamic);
        plot.values->setTickAnchor(0);
        plot.values->setTickInterval(5);
    }

    auto* view = new QChartView(plot.chart, this);
    view->setObjectName(objectName + QStringLiteral("View"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(170);
    return view;
}

QLineSeries* LivePlotWindow::series(PlotChannel channel) const
{
    return plots_[std::size_t(channel)].line;
}

int LivePlotWindow::spanMs() const
{
    return kSpanMinutes[std::clamp(spanChoice_->currentIndex(), 0, int(std::size(kSpanMinutes)) - 1)] * 60 * 1000;
}

int LivePlotWindow::input() const
{
    return inputChoice_->currentIndex() + 1;
}

void LivePlotWindow::setInput(int input)
{
    inputChoice_->setCurrentIndex(std::clamp(input, 1, 8) - 1);
}

void LivePlotWindow::setPaused(bool paused)
{
    paused_ = paused;
    if (pause_->isChecked() != paused)
        pause_->setChecked(paused);
    pause_->setText(paused ? Ui::tr("Продолжить") : Ui::tr("Пауза"));
    if (!paused)
        refresh();
}

void LivePlotWindow::refresh()
{
    const std::deque<LiveSample>& samples = series_.samples();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 until = paused_ && shownUntilMs_ != 0 ? shownUntilMs_
                                                       : std::max(now, samples.empty() ? now : samples.back().ms);
    shownUntilMs_ = until;
    const int spanIndex = std::clamp(spanChoice_->currentIndex(), 0, int(std::size(kSpanMinutes)) - 1);
    const qint64 tickMs = qint64(kTickSeconds[spanIndex]) * 1000;
    const qint64 axisEnd = (until + tickMs - 1) / tickMs * tickMs;
    const qint64 from = axisEnd - spanMs();
    shownFromMs_ = from;
    const int inputNumber = input();
    const InputLiveValue inputUnit = inputLiveValue(image_, inputNumber, 0);

    std::array<QList<QPointF>, kChannelCount> points;
    for (const LiveSample& s : samples) {
        if (s.ms < from || s.ms > until)
            continue;
        const double x = double(s.ms);
        points[int(PlotChannel::Supply)].append({x, s.supply});
        if (s.battery)
            points[int(PlotChannel::Battery)].append({x, *s.battery});
        if (s.temperature)
            points[int(PlotChannel::Temperature)].append({x, *s.temperature});
        points[int(PlotChannel::Signal)].append({x, double(s.signal)});
        if (s.inputsValid)
            points[int(PlotChannel::Input)].append(
                {x, inputLiveValue(image_, inputNumber, s.raw[std::size_t(inputNumber - 1)]).value});
    }

    for (int c = 0; c < kChannelCount; ++c) {
        Plot& plot = plots_[std::size_t(c)];
        const ChannelLook& l = look(PlotChannel(c));
        const QList<QPointF>& p = points[std::size_t(c)];
        plot.line->replace(p);
        plot.time->setRange(QDateTime::fromMSecsSinceEpoch(from), QDateTime::fromMSecsSinceEpoch(axisEnd));
        plot.time->setTickCount(int(spanMs() / tickMs) + 1);
        plot.time->setFormat(tickMs < 60'000 ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"));

        const QString title = PlotChannel(c) == PlotChannel::Input ? Ui::tr("Вход %1").arg(inputNumber)
                                                                    : Ui::tr(l.title);
        const QString unit = PlotChannel(c) == PlotChannel::Input ? translatedText(inputUnit.unit) : Ui::tr(l.unit);
        const QString last = p.isEmpty() ? QString()
                                         : QString::number(p.last().y(), 'f', l.decimals) + QLatin1Char(' ') + unit;
        plot.chart->setTitle(p.isEmpty() ? Ui::tr("%1, %2: нет данных").arg(title, unit)
                                         : QStringLiteral("%1: %2").arg(title, last));

        if (l.fixedMin < l.fixedMax) {
            plot.values->setRange(l.fixedMin, l.fixedMax);
        } else if (!p.isEmpty()) {
            const auto [low, high] = std::minmax_element(p.begin(), p.end(),
                                                         [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
            const auto [min, max] = roomyRange(low->y(), high->y(), l.minSpan);
            plot.values->setRange(min, max);
            plot.values->applyNiceNumbers();
        }
    }

    const bool stale = samples.empty() || now - samples.back().ms > kStaleMs;
    hint_->setText(stale ? Ui::tr("Новых показаний нет. Контроллер опрашивается, пока в дереве выбрана страница "
                                  "состояния, часов, питания или одного из входов 1-8.")
                         : QString());
    hint_->setVisible(stale);
}

bool LivePlotWindow::exportCsv(const QString& path, QString* error) const
{
    const int inputNumber = input();
    const InputLiveValue unit = inputLiveValue(image_, inputNumber, 0);
    const QByteArray text = series_.csv(
        shownFromMs_, shownUntilMs_, Ui::tr("Вход %1, %2").arg(inputNumber).arg(translatedText(unit.unit)),
        [this, inputNumber](int raw) { return inputLiveValue(image_, inputNumber, raw).value; }, inputNumber);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void LivePlotWindow::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(this, Ui::tr("Сохранение графиков"),
                                                      QDir::current().filePath(Ui::tr("графики.csv")),
                                                      Ui::tr("Таблицы CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!exportCsv(path, &error))
        QMessageBox::warning(this, Ui::tr("Сохранение графиков"),
                             Ui::tr("Невозможно сохранить файл: %1").arg(error), QMessageBox::Ok);
}

QAction* createLivePlotsAction(ControllerSession& session, const ConfigImage& image, QWidget* window)
{
    auto* action = new QAction(Ui::tr("Графики"), window);
    action->setObjectName(QStringLiteral("LivePlots"));
    action->setStatusTip(Ui::tr("Графики питания, заряда аккумулятора, температуры, сигнала GSM и входа"));
    auto plots = std::make_shared<QPointer<LivePlotWindow>>();
    QObject::connect(action, &QAction::triggered, window, [&session, &image, window, plots] {
        if (!*plots)
            *plots = new LivePlotWindow(session.liveSeries(), image, window);
        (*plots)->show();
        (*plots)->raise();
        (*plots)->activateWindow();
    });
    return action;
}

} // namespace vrm
