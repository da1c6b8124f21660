#include "ui/pages/io/outputs/ScenarioPage.h"

#include "model/UiText.h"

#include <QLabel>
#include <QVBoxLayout>

#include "model/ConfigImage.h"
#include "model/ScenarioSteps.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/kit/Widgets.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"

namespace vrm {

namespace {

namespace record = layout::scenario;

scenario::Words readWords(const ConfigImage& image, int s)
{
    const RecordAt<record::Record> at = layout::scenarios[std::size_t(s - 1)];
    scenario::Words words{};
    words[0] = uint16_t(image.get(at, record::repeat));
    for (int k = 0; k < scenario::kSteps; ++k)
        words[std::size_t(k + 1)] = uint16_t(image.get(at, record::steps, std::size_t(k)));
    return words;
}

void writeWords(ConfigImage& image, int s, const scenario::Words& words)
{
    const RecordAt<record::Record> at = layout::scenarios[std::size_t(s - 1)];
    image.set(at, record::repeat, words[0]);
    for (int k = 0; k < scenario::kSteps; ++k)
        image.set(at, record::steps, words[std::size_t(k + 1)], std::size_t(k));
}

} // namespace

ScenarioPage::ScenarioPage(PageHost& host, QObject* parent) : PageGroup(host, parent)
{
    kit::PageFrame frame = kit::makePageFrame(QStringLiteral("Panel12"), QStringLiteral("LabelScenarioTitle"), false);
    panel_ = frame.panel;
    title_ = frame.title;
    title_->setText(Ui::tr("Сценарии управления выходами"));
    grid_ = new ScenarioGrid;
    frame.body->addWidget(grid_, 1);
}

QWidget* ScenarioPage::panel(int) { return panel_; }

QLabel* ScenarioPage::titleLabel(int) { return title_; }

void ScenarioPage::enter(int)
{
    ScenarioGrid::Words words;
    words.signalForm = host().text(texts::signalForm);
    words.scenarioNumber = host().text(texts::scenarioNumber);
    words.cycle = host().text(texts::cycle);
    words.high = host().text(texts::high);
    words.low = host().text(texts::low);
    grid_->setWords(words);
    grid_->setCurrentGridCell(1, ScenarioGrid::kCycleColumn);
}

void ScenarioPage::store(int, ConfigImage& image)
{
    for (int s = 1; s <= ScenarioGrid::kScenarios; ++s)
        writeWords(image, s, scenario::store(grid_->scenario(s), readWords(image, s)));
}

void ScenarioPage::show(int, const ConfigImage& image)
{
    for (int s = 1; s <= ScenarioGrid::kScenarios; ++s)
        grid_->setScenario(s, scenario::show(readWords(image, s)));
}

} // namespace vrm
