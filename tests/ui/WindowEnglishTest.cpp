// The window's own texts in English: menus, tool bar, status bar, its dialogs,
// and the run-time lists and messages that come from the session and the link.
// The pages and the page tree are checked by their own tests.
#include <QAbstractButton>
#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>

#include "link/Transaction.h"
#include "link/TransactionMessages.h"
#include "model/ConfigBackups.h"
#include "model/FieldCompare.h"
#include "session/IdentityRecord.h"
#include "session/LiveSeries.h"
#include "session/LiveStatus.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/BackupsDialog.h"
#include "ui/FieldDifferencesWindow.h"
#include "tests/ui/EnglishInterface.h"
#include "ui/InterfaceLanguage.h"
#include "ui/LivePlotWindow.h"
#include "ui/LoadFailureText.h"
#include "ui/PortRefusal.h"
#include "model/ShownName.h"
#include "ui/TAboutBox.h"
#include "ui/TFormCOMPortConfig.h"
#include "ui/TFormClearConfig.h"
#include "ui/TForm1.h"
#include "ui/TextTable.h"

using namespace vrm;
using namespace vrm::test;

namespace {

bool hasCyrillic(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}


// Every text a user can read on `root` and its children, each with where it is.
class ShownTexts {
public:
    void add(const QString& where, const QString& text)
    {
        if (!text.isEmpty())
            texts_.push_back({where, text});
    }

    void addWidget(const QWidget* root)
    {
        QList<const QWidget*> widgets{root};
        for (const QWidget* child : root->findChildren<QWidget*>())
            widgets << child;
        for (const QWidget* w : widgets) {
            const QString where = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
            if (w->isWindow())
                add(where + QStringLiteral(" title"), w->windowTitle());
            add(where + QStringLiteral(" tool tip"), w->toolTip());
            if (auto* label = qobject_cast<const QLabel*>(w))
                add(where, label->text());
            if (auto* button = qobject_cast<const QAbstractButton*>(w))
                add(where, button->text());
            if (auto* group = qobject_cast<const QGroupBox*>(w))
                add(where, group->title());
            if (auto* combo = qobject_cast<const QComboBox*>(w)) {
                for (int i = 0; i < combo->count(); ++i)
                    add(where + QStringLiteral(" item"), combo->itemText(i));
            }
            if (auto* list = qobject_cast<const QListWidget*>(w)) {
                for (int i = 0; i < list->count(); ++i)
                    add(where + QStringLiteral(" item"), list->item(i)->text());
            }
            if (auto* tree = qobject_cast<const QTreeWidget*>(w))
                addTree(where, tree);
            if (auto* chart = qobject_cast<const QChartView*>(w))
                add(where + QStringLiteral(" chart"), chart->chart()->title());
        }
    }

    void addMenu(const QString& where, const QMenu* menu)
    {
        add(where + QStringLiteral(" menu"), menu->title());
        for (const QAction* action : menu->actions())
            addAction(where + QStringLiteral(" / ") + action->objectName(), action);
    }

    void addAction(const QString& where, const QAction* action)
    {
        if (skipped(action))
            return;
        add(where, action->text());
        add(where + QStringLiteral(" icon text"), action->iconText());
        add(where + QStringLiteral(" tool tip"), action->toolTip());
        add(where + QStringLiteral(" status tip"), action->statusTip());
        if (action->menu())
            addMenu(where, action->menu());
    }

    // The language menu names each language in its own words, and belongs to the language choice.
    static bool skipped(const QAction* action)
    {
        const auto isLanguageMenu = [](const QObject* object) {
            return object && object->objectName() == QStringLiteral("LanguageMenu");
        };
        return isLanguageMenu(action->menu()) || isLanguageMenu(action->parent());
    }

    // "where: text" of every text that still holds a Cyrillic letter.
    QStringList russian() const
    {
        QStringList found;
        for (const auto& [where, text] : texts_) {
            if (hasCyrillic(text))
                found << where + QStringLiteral(": ") + text;
        }
        return found;
    }

    bool contains(const QString& text) const
    {
        return std::any_of(texts_.cbegin(), texts_.cend(), [&text](const auto& shown) { return shown.second == text; });
    }

private:
    void addTree(const QString& where, const QTreeWidget* tree)
    {
        if (!tree->isHeaderHidden()) {
            for (int c = 0; c < tree->columnCount(); ++c)
                add(where + QStringLiteral(" heading"), tree->headerItem()->text(c));
        }
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            for (int c = 0; c < tree->columnCount(); ++c) {
                add(where + QStringLiteral(" item"), tree->topLevelItem(i)->text(c));
                add(where + QStringLiteral(" item tool tip"), tree->topLevelItem(i)->toolTip(c));
            }
        }
    }

    std::vector<std::pair<QString, QString>> texts_;
};

class EnglishWindowTexts : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(english.installed()) << "the English translation is not embedded"; }

    EnglishInterface english;
};

} // namespace

// Menus (the language menu aside, which names each language in its own
// words), tool bar buttons, their hints, the title and the status bar.
TEST_F(EnglishWindowTexts, MenusToolBarAndStatusBarAreEnglish)
{
    WorkingFolder folder;
    TForm1 window;
    ASSERT_TRUE(waitFor([&window] { return window.findChild<QAction*>(QStringLiteral("ComPortConfig"))->isEnabled(); }));

    ShownTexts shown;
    shown.add(QStringLiteral("window title"), window.windowTitle());
    for (const QAction* action : window.findChildren<QAction*>())
        shown.addAction(QStringLiteral("action ") + action->objectName(), action);
    shown.addWidget(window.findChild<QToolBar*>(QStringLiteral("ToolBar1")));
    shown.addWidget(window.statusBar());

    const QStringList russian = shown.russian();
    EXPECT_TRUE(russian.isEmpty()) << russian.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("default.cnt — GSM Controller Configurator VRM530"));
    for (const char* caption : {"Program", "Read", "Compare", "Reconfigure", "Restart", "File", "Settings", "Controller"})
        EXPECT_TRUE(shown.contains(QString::fromLatin1(caption))) << caption;
}

// A file that does not load is reported in English, title and text.
TEST_F(EnglishWindowTexts, LoadFailuresAreReportedInEnglish)
{
    WorkingFolder folder;
    TForm1 window;
    ASSERT_TRUE(writeFile(folder.file(QStringLiteral("garbage.cnt")), QByteArray("not a configuration")));
    ModalScript script;
    script.thenMessage();
    script.thenMessage();
    EXPECT_FALSE(window.openConfigurationFile(folder.file(QStringLiteral("missing.cnt"))));
    EXPECT_FALSE(window.openConfigurationFile(folder.file(QStringLiteral("garbage.cnt"))));

    EXPECT_TRUE(script.finished());
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_EQ(script.messages[0].title, QStringLiteral("Open configuration file"));
    EXPECT_EQ(script.messages[0].text, QStringLiteral("Cannot open the file"));
    EXPECT_EQ(script.messages[1].text, QStringLiteral("Unknown file format"));
}

// The named lists hold as many entries in English as in Russian (users take
// them by index), and the Russian wording is the one the lists always had.
TEST(WindowTextTable, EnglishListsMatchTheRussianOnesEntryForEntry)
{
    const TextTable russian;
    EXPECT_EQ(russian.list(texts::outputNames),
              (QStringList{QStringLiteral("Реле 1"), QStringLiteral("Реле 2"), QStringLiteral("Выход 1"),
                           QStringLiteral("Выход 2"), QStringLiteral("Выход 3"), QStringLiteral("Выход 4"),
                           QStringLiteral("Выход 5")}));
    EXPECT_EQ(russian.list(texts::reactions).value(16), QStringLiteral("сценарий 14"));
    EXPECT_EQ(russian.list(texts::controlActions).value(9), QStringLiteral("Управление Выходом 5"));
    EXPECT_EQ(russian.text(texts::keyWithCode), QStringLiteral("Ключ с кодом: "));

    EnglishInterface english;
    ASSERT_TRUE(english.installed());
    const TextTable table;
    for (const QString& name : russian.listNames()) {
        const QStringList entries = table.list(name);
        EXPECT_EQ(entries.size(), russian.list(name).size()) << name.toStdString();
        for (const QString& entry : entries)
            EXPECT_FALSE(hasCyrillic(entry)) << name.toStdString() << ": " << entry.toStdString();
    }
    for (const QString& name : russian.textNames())
        EXPECT_FALSE(hasCyrillic(table.text(name))) << name.toStdString() << ": " << table.text(name).toStdString();
    EXPECT_EQ(table.list(texts::outputNames).value(6), QStringLiteral("Output 5"));
    EXPECT_EQ(table.list(texts::actions).value(3), QStringLiteral("scenario 1"));
    EXPECT_EQ(table.list(texts::modeNames).value(0), QStringLiteral("ARMED"));
}

// What the status page and the status bar show from the link and the session.
TEST_F(EnglishWindowTexts, SessionAndLinkMessagesAreEnglish)
{
    QStringList texts = defaultTransactionMessages() + defaultGsmStates();
    EXPECT_EQ(defaultTransactionMessages().size(), int(message::Count));
    EXPECT_EQ(defaultGsmStates().size(), live::kGsmStateCount);
    EXPECT_EQ(gsmStateText(40, {}), QStringLiteral("Unknown GSM module state"));
    texts << message::badAreaText();
    for (uint8_t battery : {uint8_t(50), uint8_t(254), uint8_t(255)})
        texts << batteryView(battery).message;
    texts << mainsView(123).volts << temperatureView(21, true).caption << temperatureView(0, false).caption
          << balanceText(true, 12.5f);
    for (LoadResult result : {LoadResult::CannotOpen, LoadResult::UnknownFormat, LoadResult::VersionMismatch})
        texts << loadFailureText(result);
    texts << portRefusalMessage(QStringLiteral("ttyUSB0"), {true, QStringLiteral("/dev/ttyUSB0"), QStringLiteral("dialout")});
    IdentityTexts identity;
    identity.deviceName = QStringLiteral("VRM999");
    texts << identity.unsupportedText();
    identity.deviceName = identity::kDeviceName;
    identity.modification = QStringLiteral("QT");
    identity.softwareVersion = QStringLiteral("09.09");
    texts << identity.unsupportedText();
    LiveSeries series;
    texts << QString::fromLatin1(series.csv(0, 0, QStringLiteral("Input 1, V"), [](int raw) { return double(raw); }, 1));

    for (const QString& text : texts) {
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(hasCyrillic(text)) << text.toStdString();
    }
    EXPECT_EQ(mainsView(123).volts.right(2), QStringLiteral(" V"));
    EXPECT_EQ(identity.unsupportedText(), QStringLiteral("Version QT.09.09 is not supported"));
}

// Each part of a field name is translated on its own; a numbered part by its
// pattern; a part without a translation stays as the model named it.
TEST_F(EnglishWindowTexts, FieldNamesAreTranslatedPartByPart)
{
    EXPECT_EQ(translatedFieldName(QStringLiteral("Прочие байты по смещению 66")), QStringLiteral("Other bytes at offset 66"));
    EXPECT_EQ(translatedFieldName(QStringLiteral("Вход 3 · Неведомое поле")), QStringLiteral("Input 3 · Неведомое поле"));
    EXPECT_EQ(translatedFieldName(QStringLiteral("Реле 1 · Выход 2 · Графики 4")),
              QStringLiteral("Relay 1 · Output 2 · Plots 4"));
    EXPECT_EQ(translatedFieldName(QStringLiteral("Неведомое 7")), QStringLiteral("Неведомое 7"));
    EXPECT_EQ(translatedText(QStringLiteral("считана")), QStringLiteral("read"));
}

TEST_F(EnglishWindowTexts, PortAboutAndFactoryResetDialogsAreEnglish)
{
    const TextTable table;
    TFormCOMPortConfig port(QStringLiteral("ttyS0"), {}, [](const QString&) { return false; },
                            table.text(texts::portDialogCaption), table.text(texts::portDialogError));
    TAboutBox about(table.text(texts::aboutCaption), QStringLiteral("GSM Controller Configurator VRM530"),
                    table.text(texts::forDeviceVersions), TForm1::supportedVersions());
    TFormClearConfig reset([] { return false; });
    for (QWidget* dialog : std::initializer_list<QWidget*>{&port, &about, &reset}) {
        ShownTexts shown;
        shown.addWidget(dialog);
        EXPECT_TRUE(shown.russian().isEmpty()) << shown.russian().join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_EQ(port.windowTitle(), QStringLiteral("Choose COM port"));
    EXPECT_EQ(reset.findChild<QLabel*>(QStringLiteral("LabelSeconds"))->text(),
              QStringLiteral("%1 sec.").arg(TFormClearConfig::kSeconds));

    // The longer English text still fits the countdown dialog.
    reset.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reset));
    auto* text = reset.findChild<QLabel*>(QStringLiteral("LabelText"));
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
}

// The backups list, the field differences and the live plots, opened from
// the window.
TEST_F(EnglishWindowTexts, BackupsDifferencesAndPlotsAreEnglish)
{
    WorkingFolder folder;
    TForm1 window;
    ConfigImage other = window.image();
    other.data()[blocks::main.offset + 66] ^= 0xFF;
    const QList<FieldDifference> differences = compareMainBlocks(window.image(), other);
    ASSERT_FALSE(differences.isEmpty());
    const auto block = window.image().span(blocks::main);
    const QByteArray mainBlock(reinterpret_cast<const char*>(block.data()), qsizetype(block.size()));
    ASSERT_TRUE(writeBackup(window.backupFolder(), QStringLiteral("356000000000001"), BackupKind::Read, mainBlock).ok());

    BackupsDialog backups(window, &window, [](const QString&) {}, [](const QString&) { return false; });
    FieldDifferencesWindow shownDifferences([](int) {}, &window);
    shownDifferences.showDifferences(QStringLiteral("Differences from the controller"),
                                     QStringLiteral("In the controller"), differences);
    LiveSeries series;
    LivePlotWindow plots(series, window.image());

    for (QWidget* shownWindow : std::initializer_list<QWidget*>{&backups, &plots}) {
        ShownTexts shown;
        shown.addWidget(shownWindow);
        EXPECT_TRUE(shown.russian().isEmpty()) << shown.russian().join(QLatin1Char('\n')).toStdString();
    }
    // The field names come from the model; their parts are translated where
    // the translation knows them, so only the window's own texts are checked.
    auto* list = shownDifferences.findChild<QTreeWidget*>(QStringLiteral("FieldDifferencesList"));
    ShownTexts own;
    own.add(QStringLiteral("summary"),
            shownDifferences.findChild<QLabel*>(QStringLiteral("FieldDifferencesSummary"))->text());
    for (int c = 0; c < list->columnCount(); ++c)
        own.add(QStringLiteral("heading"), list->headerItem()->text(c));
    EXPECT_TRUE(own.russian().isEmpty()) << own.russian().join(QLatin1Char('\n')).toStdString();
    auto* backupList = backups.findChild<QTreeWidget*>(QStringLiteral("BackupsTree"));
    ASSERT_EQ(backupList->topLevelItemCount(), 1);
    EXPECT_EQ(backupList->topLevelItem(0)->text(2), QStringLiteral("read"));
}
