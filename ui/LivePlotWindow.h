#pragma once
// Controller menu "Графики": the supply voltage, battery charge, board
// temperature, GSM signal level and the live reading of a chosen input (in
// its unit) over the last minutes, drawn from the readings the poller makes
// anyway. Pause freezes the picture (readings are still collected); the
// shown span can be saved as CSV.

#include <QDateTime>
#include <QWidget>
#include <array>

class QAction;
class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QTimer;
class QDateTimeAxis;
class QValueAxis;

namespace vrm {

class ConfigImage;
class ControllerSession;
class LiveSeries;

enum class PlotChannel { Supply, Battery, Temperature, Signal, Input };

class LivePlotWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kChannelCount = 5;

    LivePlotWindow(const LiveSeries& series, const ConfigImage& image, QWidget* parent = nullptr);

    QLineSeries* series(PlotChannel channel) const;
    // Input 1-8 whose reading the last plot shows.
    void setInput(int input);
    void setPaused(bool paused);
    bool paused() const { return paused_; }
    // Redraws from the readings (nothing while paused).
    void refresh();
    // The shown span as CSV; false with the reason in `error`.
    bool exportCsv(const QString& path, QString* error = nullptr) const;

private:
    struct Plot {
        QChart* chart = nullptr;
        QLineSeries* line = nullptr;
        QDateTimeAxis* time = nullptr;
        QValueAxis* values = nullptr;
    };

    QWidget* buildPlot(PlotChannel channel, const QString& objectName);
    int spanMs() const;
    int input() const;
    void chooseExportFile();

    const LiveSeries& series_;
    const ConfigImage& image_;
    std::array<Plot, kChannelCount> plots_{};
    QComboBox* inputChoice_ = nullptr;
    QComboBox* spanChoice_ = nullptr;
    QPushButton* pause_ = nullptr;
    QLabel* hint_ = nullptr;
    QTimer* timer_ = nullptr;
    bool paused_ = false;
    qint64 shownFromMs_ = 0;  // the time span of the last refresh: the axis starts here
    qint64 shownUntilMs_ = 0; // and the readings shown end here
};

// The Controller menu's action, object name "LivePlots": opens (or raises) the
// window over `window`, plotting what `session` polls.
QAction* createLivePlotsAction(ControllerSession& session, const ConfigImage& image, QWidget* window);

} // namespace vrm
