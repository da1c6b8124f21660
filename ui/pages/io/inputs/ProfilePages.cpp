#include "ui/pages/io/inputs/ProfilePages.h"

#include "model/UiText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>

#include "model/layout/Inputs.h"
#include "ui/TextTable.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/io/inputs/InputItems.h"
#include "ui/pages/io/inputs/ProfileThresholdRow.h"

namespace vrm {

using namespace kit;
namespace profile = layout::profile;
namespace threshold = layout::threshold;
namespace input = layout::input;

ProfilePages::ProfilePages(PageHost& host, QObject* parent)
    : RecordPages(host, layout::profiles, QStringLiteral("PanelProfile"), QStringLiteral("LabelProfileTitle"), true,
                  parent)
{
    build();
}

void ProfilePages::build()
{
    Bindings<profile::Record>& f = fields();
    QComboBox* name = f.textChoice(profile::name, QStringLiteral("ComboBoxProfileName"),
                                   {QStringLiteral("КОМФОРТ"), QStringLiteral("ЭКОНОМ")}, 16);
    const std::array<QComboBox*, 7> actions =
        f.actionRow(profile::actions, QStringLiteral("ComboBoxProfileToR"));

    // The threshold area: a row per input, odd inputs left, even inputs right.
    QGroupBox* area = makeGroup(QStringLiteral("GroupBoxProfileThresholds"), Ui::tr(" Границы тревожной зоны "));
    auto* areaGrid = new QGridLayout(area);
    areaGrid->setVerticalSpacing(12);
    areaGrid->setHorizontalSpacing(16);
    for (int i = 1; i <= kRows; ++i) {
        auto* row = new ProfileThresholdRow(i);
        rows_[std::size_t(i - 1)] = row;
        areaGrid->addWidget(row, (i - 1) / 2, (i - 1) % 2);
        // Check box, upper bar, lower bar, in the order of the steps.
        Bindings<threshold::Record>& entry = f.sub(profile::thresholds, std::size_t(i - 1));
        entry.bind(threshold::applies, row->enabled());
        entry.bind(threshold::high, row->upper());
        entry.bind(threshold::low, row->lower());
    }
    // Value labels by the type and scale of each input as the image holds them.
    f.add({}, [this](const ConfigImage& image, RecordAt<profile::Record>) {
        for (int i = 1; i <= kRows; ++i) {
            const RecordAt<input::Record> in = layout::inputs[std::size_t(i - 1)];
            rows_[std::size_t(i - 1)]->setScale(int(image.get(in, input::sensorType)),
                                                {image.real(in, input::minimum), image.real(in, input::maximum)});
        }
    });

    // --- Layout ---
    auto* top = new QGridLayout;
    top->addWidget(makeLabel(Ui::tr("Название профиля")), 0, 0);
    top->addWidget(name, 0, 1);
    top->setColumnStretch(2, 1);
    name->setMinimumWidth(220);
    body()->addLayout(top);
    body()->addWidget(area);

    QGroupBox* outputs = makeGroup(QStringLiteral("GroupBoxProfileOutputs"), Ui::tr(" Воздействие на реле / выходы "));
    auto* outputsGrid = new QGridLayout(outputs);
    const QStringList labels = host().textList(texts::outputNames);
    for (int k = 0; k < 7; ++k) {
        // Two columns: relays and outputs 1-2 left, outputs 3-5 right.
        const int column = k < 4 ? 0 : 2;
        outputsGrid->addWidget(makeLabel(labels[k]), k % 4, column);
        outputsGrid->addWidget(actions[std::size_t(k)], k % 4, column + 1);
    }
    outputsGrid->setColumnStretch(1, 1);
    outputsGrid->setColumnStretch(3, 1);
    body()->addWidget(outputs);
    body()->addStretch(1);
}

ProfilesCommonPage::ProfilesCommonPage(PageHost& host, QObject* parent) : PageGroup(host, parent)
{
    PageFrame frame = makePageFrame(QStringLiteral("PanelProfileMain"), QStringLiteral("LabelProfileMainTitle"), false);
    panel_ = frame.panel;
    title_ = frame.title;
    title_->setText(Ui::tr("Профили"));
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("MemoProfiles"));
    memo->setReadOnly(true);
    // Five lines of the explanation, shown as five lines (each but the last ends in a blank).
    const QStringList lines{
        Ui::tr("Профиль - это совокупность параметров объединенных в группу, которые могут быть применены "
               "одновременно по команде SMS или "),
        Ui::tr("в указанное время, согласно настройке планировщика задач. Профиль можно использовать для "
               "дистанционного изменения границ "),
        Ui::tr("температуры в контуре регулирования, для этого профиль активизируется по имени. При "
               "активизации профиля новые параметры "),
        Ui::tr("заменяют ранее установленные, после чего устройство начинает работать с новыми значениями. "
               "Дополнительно, профиль позволяет "),
        Ui::tr("включить несколько реле или выходов одновременно, если потребуется.")};
    memo->setPlainText(lines.join(u'\n'));
    // Room for the five lines, each wrapping to the memo's width.
    memo->setMinimumHeight(memo->fontMetrics().lineSpacing() * 11 + 2 * memo->frameWidth() + 8);
    memo->setMaximumHeight(memo->minimumHeight());
    frame.body->addWidget(memo);
    frame.body->addStretch(1);
}

} // namespace vrm
