// Pages 14-46 and the input calibration dialog built with the English
// translation installed: every interface text they show is English and still
// fits the page area.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>
#include <algorithm>

#include "model/UiText.h"
#include "tests/ui/PageLook.h"
#include "tests/ui/EnglishInterface.h"
#include "ui/InterfaceLanguage.h"
#include "ui/pages/io/clock/SchedulerGrid.h"
#include "ui/pages/io/inputs/InputPages.h"
#include "ui/pages/io/inputs/InputsPages.h"
#include "ui/pages/io/inputs/TFormCalibration.h"
#include "ui/pages/io/outputs/OutputsPageGroups.h"
#include "ui/pages/io/outputs/ScenarioGrid.h"
#include "ui/pages/io/perimeters/PerimeterAndClockPages.h"

using namespace vrm;
using namespace vrm::test;

namespace {


bool hasCyrillic(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

struct FoundText {
    QString place;
    QString text;
};

// Every interface text of `panel`'s widgets, hidden ones too, with where it was
// found. Edits and grid cells hold data; the items of an editable combo box are
// suggested texts for the image (names sent in messages), offered in both
// languages on purpose.
QList<FoundText> interfaceTexts(QWidget* panel)
{
    QList<FoundText> texts;
    auto add = [&texts](QWidget* w, const QString& what, const QString& text) {
        texts.append(
            {QStringLiteral("%1 '%2' %3").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), what),
             text});
    };
    QList<QWidget*> widgets = panel->findChildren<QWidget*>();
    widgets.prepend(panel);
    for (QWidget* w : widgets) {
        add(w, QStringLiteral("tool tip"), w->toolTip());
        add(w, QStringLiteral("window title"), w->windowTitle());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add(w, QStringLiteral("title"), group->title());
        if (auto* bar = qobject_cast<QProgressBar*>(w))
            add(w, QStringLiteral("format"), bar->format());
        if (auto* box = qobject_cast<QComboBox*>(w); box && !box->isEditable())
            for (int i = 0; i < box->count(); ++i)
                add(w, QStringLiteral("item %1").arg(i), box->itemText(i));
        if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (QTableWidgetItem* heading = table->horizontalHeaderItem(c))
                    add(w, QStringLiteral("column %1").arg(c), heading->text());
            for (int r = 0; r < table->rowCount(); ++r)
                if (QTableWidgetItem* heading = table->verticalHeaderItem(r))
                    add(w, QStringLiteral("row %1").arg(r), heading->text());
        }
    }
    return texts;
}

// The run-time text table's entries (output names, actions, ...) come
// translated from the window's table, which its own test covers; pages put a
// number or a key code after them, or between two of them
// ("Сценарий № 3", "Ключ с кодом: 0123..., уже внесен в таблицу").
bool fromTextTable(const PageTestHost& host, const QString& text)
{
    QStringList entries;
    for (const QString& name : host.texts.listNames())
        entries << host.texts.list(name);
    for (const QString& name : host.texts.textNames())
        entries << host.texts.text(name);
    entries.removeAll(QString());
    for (const QString& first : entries) {
        if (!text.startsWith(first))
            continue;
        const QString rest = text.mid(first.size());
        if (!hasCyrillic(rest))
            return true;
        for (const QString& last : entries)
            if (rest.endsWith(last) && !hasCyrillic(rest.chopped(last.size())))
                return true;
    }
    return false;
}

// Readings and lists formatted outside the pages (model/: input values, time
// zones; session/: battery, mains and temperature) come translated with those
// parts. Until their translation is installed, their labels are left to them.
bool formattedElsewhereUntranslated(const QString& place)
{
    static const QStringList modelFormatted{QStringLiteral("'LabelLoBarrier'"),  QStringLiteral("'LabelHiBarrier'"),
                                            QStringLiteral("'LabelCurrentVal'"), QStringLiteral("'LabelProfileHi"),
                                            QStringLiteral("'LabelProfileLo"),   QStringLiteral("'ComboBoxTimeZone'")};
    static const QStringList sessionFormatted{QStringLiteral("'LabelBatMsg'"), QStringLiteral("'LabelMainPower'"),
                                              QStringLiteral("'LabelTemperature'"),
                                              QStringLiteral("'LabelTempCurVal'")};
    const auto untranslated = [](const char* source) { return Ui::tr(source) == QString::fromUtf8(source); };
    const auto among = [&place](const QStringList& names) {
        return std::any_of(names.begin(), names.end(), [&place](const QString& n) { return place.contains(n); });
    };
    return (among(modelFormatted) && untranslated("ед."))
           || (among(sessionFormatted) && untranslated("\nАккумулятор не подключен"));
}

void expectEnglish(QWidget* panel, const PageTestHost& host, const std::string& where)
{
    for (const FoundText& found : interfaceTexts(panel))
        if (hasCyrillic(found.text) && !fromTextTable(host, found.text) && !formattedElsewhereUntranslated(found.place))
            ADD_FAILURE() << where << ": " << found.place.toStdString() << " holds \"" << found.text.toStdString()
                          << '"';
}

// Walks `groups` as the window does, at the page area's size (PageLook.h),
// checking every page as built, after its show step and after `visit`.
QList<int> expectEnglishPages(PageTestHost& host, std::vector<std::unique_ptr<PageGroup>>& groups,
                              const PageVisit& visit = {})
{
    for (auto& group : groups)
        for (int page : group->pages())
            expectEnglish(group->panel(page), host, "page " + std::to_string(page) + " as built");
    return lookAtEveryPage(host, groups, [&](PageGroup& group, int page, QWidget* panel) {
        // The window writes the tree node's title here; the walk's own stand-in is Russian.
        if (QLabel* title = group.titleLabel(page); title && title->text().startsWith(QStringLiteral("Страница")))
            title->setText(QStringLiteral("Page %1").arg(page));
        expectEnglish(panel, host, "page " + std::to_string(page));
        if (visit) {
            visit(group, page, panel);
            QApplication::processEvents();
            expectTidy(panel, std::to_string(page) + " after its changes");
            expectEnglish(panel, host, "page " + std::to_string(page) + " after its changes");
        }
    });
}

void choose(QComboBox* box, int index)
{
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

TEST(IoPagesEnglish, TextsOfThePagesAreTranslated)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    EXPECT_EQ(Ui::tr("Название входа"), QStringLiteral("Input name"));
    EXPECT_EQ(Ui::tr("Применить профиль %1").arg(3), QStringLiteral("Apply profile 3"));
    EXPECT_EQ(Ui::tr("В", "upper threshold"), QStringLiteral("U"));
    EXPECT_EQ(Ui::tr("В"), QStringLiteral("V"));
    EXPECT_EQ(Ui::tr("Выход\n%1").arg(2), QStringLiteral("Output\n2"));
}

TEST(IoPagesEnglish, InputAndProfilePagesShowNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    auto groups = createInputsPages(host);
    const QList<int> served = expectEnglishPages(host, groups, [](PageGroup& group, int page, QWidget* panel) {
        auto* inputs = dynamic_cast<InputPages*>(&group);
        if (!inputs)
            return;
        // The unit button offers the other unit in English ("%" or "V"), and an analogue input its calibration.
        auto* unit = panel->findChild<QPushButton*>(QStringLiteral("ButtonVoltPerc"));
        ASSERT_NE(unit, nullptr);
        const QString before = unit->text();
        unit->click();
        EXPECT_EQ(QStringList({before, unit->text()}).join(QLatin1Char(' ')),
                  before == QStringLiteral("%") ? QStringLiteral("% V") : QStringLiteral("V %"));
        inputs->showReading(page - 20, 1000, true);
        if (page == 22)
            choose(panel->findChild<QComboBox*>(QStringLiteral("ComboBoxSensType")), 2);
    });
    EXPECT_EQ(served, (QList<int>{20, 21, 22, 23, 24, 25, 26, 27, 28, 38, 39, 40, 41, 42, 43, 44, 45, 46}));
}

TEST(IoPagesEnglish, CalibrationDialogShowsNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    TFormCalibration dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Input calibration"));
    expectEnglish(&dialog, host, "calibration dialog");
    dialog.show();
    QApplication::processEvents();
    expectTidy(&dialog, "calibration dialog");
    grabPage(&dialog, QStringLiteral("calibration"));
}

TEST(IoPagesEnglish, OutputScenarioAndPowerPagesShowNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    host.configImage.setByte(360 + 76 + 1, 5); // input 1 drives relay 2: one stimulus line
    auto groups = createOutputsPageGroups(host);
    const QList<int> served = expectEnglishPages(host, groups, [&host](PageGroup&, int page, QWidget* panel) {
        if (page == 15) {
            emit host.access.powerPolled(80, 124);
            emit host.access.temperaturePolled(31, true);
        }
        if (auto* grid = panel->findChild<ScenarioGrid*>()) {
            grid->setCurrentGridCell(3, 4); // scenario 3 repeats
            grabPage(panel, QStringLiteral("page%1-repeating").arg(page));
        }
    });
    EXPECT_EQ(served, (QList<int>{15, 29, 30, 31, 32, 33, 34, 35, 36, 37}));
}

TEST(IoPagesEnglish, PerimeterAndClockPagesShowNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    auto groups = createPerimeterAndClockPages(host);
    const QList<int> served = expectEnglishPages(host, groups, [&host](PageGroup&, int page, QWidget* panel) {
        if (page == 14) {
            // The perimeter choices of arming and the output actions of output control.
            auto* scheduler = panel->findChild<SchedulerGrid*>();
            ASSERT_NE(scheduler, nullptr);
            choose(scheduler->actionBox(0), 1);
            choose(scheduler->actionBox(1), 3);
            EXPECT_FALSE(scheduler->parameterBox(0)->isHidden());
            EXPECT_FALSE(scheduler->parameterBox(1)->isHidden());
            return;
        }
        // A refused reader, then a key read twice: the second time it is already in the table.
        emit host.access.keyPolled(ControllerAccess::PasswordRefused, {});
        grabPage(panel, QStringLiteral("page%1-refused").arg(page));
        emit host.access.keyPolled(ControllerAccess::KeyRead, QStringLiteral("0123456789ABCDEF"));
        emit host.access.keyPolled(ControllerAccess::KeyRead, QStringLiteral("0123456789ABCDEF"));
    });
    EXPECT_EQ(served, (QList<int>{14, 16, 17, 18, 19}));
}
