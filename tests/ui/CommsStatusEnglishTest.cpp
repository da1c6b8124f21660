// Pages 0-13 and 47 built with the English translation installed: every
// interface text they show is English and still fits the page area.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QTranslator>

#include "model/FieldMap.h"
#include "model/UiText.h"
#include "tests/ui/EnglishPages.h"
#include "tests/ui/PageLook.h"
#include "tests/ui/EnglishInterface.h"
#include "ui/InterfaceLanguage.h"
#include "ui/pages/comms/CommsPages.h"
#include "ui/pages/status/StatusPage.h"

using namespace vrm;
using namespace vrm::test;

TEST(CommsStatusEnglish, TranslationIsComplete)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    // A text of each source area: pages, kit, model captions and model display texts.
    EXPECT_EQ(Ui::tr("Общие параметры GPRS"), QStringLiteral("GPRS common parameters"));
    EXPECT_EQ(Ui::tr("Вх.%1").arg(3), QStringLiteral("In.3"));
    EXPECT_EQ(Ui::tr("Название входа"), QStringLiteral("Input name"));
    EXPECT_EQ(Ui::tr("Вход %1").arg(3), QStringLiteral("Input 3"));
    EXPECT_EQ(Ui::tr("Не верно установлен месяц"), QStringLiteral("The month is set incorrectly"));
}

// Page 0 keeps its narrow fixed-width command buttons, so it is measured by its
// texts: every caption fits inside its widget and the widget inside the page.
void expectCaptionsFit(QWidget* panel)
{
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const std::string name = w->objectName().toStdString();
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 6, button->width())
                << "button '" << name << "' cuts \"" << button->text().toStdString() << '"';
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
            EXPECT_LE(label->fontMetrics().size(0, label->text()).width(), label->contentsRect().width())
                << "label '" << name << "' cuts \"" << label->text().toStdString() << '"';
        }
        const QRect inPanel(w->mapTo(panel, QPoint(0, 0)), w->size());
        EXPECT_LE(inPanel.right(), panel->width()) << name << " is cut off at the right";
    }
}

// The compare window shows a field name "Вход 3 · Связь с периметром 2" part by
// part: a part is a source text itself, or a numbered pattern ("Вход %1"), or a
// caption with its element number appended ("Связь с периметром" + " 2").
QString englishPart(const QString& part)
{
    auto tr = [](const QString& source) { return Ui::tr(source.toUtf8().constData()); };
    if (const QString whole = tr(part); whole != part)
        return whole;
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S) (\\d+)$"));
    const QRegularExpressionMatch match = numbered.match(part);
    if (!match.hasMatch())
        return part;
    if (const QString pattern = match.captured(1) + QStringLiteral(" %1"); tr(pattern) != pattern)
        return tr(pattern).arg(match.captured(2));
    return tr(match.captured(1)) + u' ' + match.captured(2);
}

TEST(CommsStatusEnglish, EveryFieldNameHasEnglishParts)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    QStringList names;
    for (const FieldEntry& entry : mainBlockMap().fields)
        names << entry.name;
    for (const OtherBytes& other : mainBlockMap().others)
        names << other.name();
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names)
        for (const QString& part : name.split(QStringLiteral(" · ")))
            EXPECT_FALSE(hasCyrillic(englishPart(part))) << name.toStdString() << ": \"" << part.toStdString() << '"';
    // The model itself keeps the Russian names the text form is written with.
    EXPECT_TRUE(hasCyrillic(mainBlockMap().fields.front().name));
}

TEST(CommsStatusEnglish, StatusPageShowsNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    StatusPage status(host);
    host.group = &status;
    host.page = 0;
    QWidget* panel = status.panel(0);
    expectEnglish(panel, "page 0 as built");
    status.enter(0);
    status.show(0, host.configImage);
    panel->resize(kPageArea);
    panel->show();
    // Every perimeter state a reading can show.
    status.showPerimeterModes(0x1B);
    status.showPerimeterModes(0x24);
    QApplication::processEvents();
    expectEnglish(panel, "page 0");
    expectCaptionsFit(panel);
    grabPage(panel, QStringLiteral("page0"));
}

TEST(CommsStatusEnglish, CommunicationPagesShowNoRussianText)
{
    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    PageTestHost host;
    auto groups = createCommsPages(host);
    const QList<int> served = expectEnglishPages(host, groups, [](PageGroup&, int page, QWidget* panel) {
        if (page == 2) {
            // The WardLink voice type and every incoming call choice change texts on the page.
            auto* type = panel->findChild<QComboBox*>(QStringLiteral("ComboBoxConnectionType"));
            type->setCurrentIndex(type->count() - 1);
            emit type->activated(type->count() - 1);
        }
        if (page == 10) {
            // The period edits are enabled, with their unit, in the periodic strategy.
            auto* strategy = panel->findChild<QComboBox*>(QStringLiteral("ComboBoxGPRSConnectionStrategy"));
            ASSERT_NE(strategy, nullptr);
            strategy->setCurrentIndex(1);
            emit strategy->activated(1);
        }
        if (page == 47) {
            expectTidy(panel, "47 covered");
            grabPage(panel, QStringLiteral("page47-covered"));
            panel->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); // lift the notices
        }
    });
    EXPECT_EQ(served, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 47}));
}
