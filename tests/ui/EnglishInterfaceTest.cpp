// The window in English: no Russian text left anywhere an installer looks.
#include <QLabel>
#include <QStatusBar>

#include "tests/ui/InterfaceTexts.h"
#include "tests/ui/PageLook.h"
#include "tests/ui/WindowPages.h"
#include "tests/ui/EnglishInterface.h"

namespace vrm::test {
namespace {

class EnglishWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(english_.installed()); }

private:
    EnglishInterface english_;
};

// Each language is named in its own language in the language menu.
bool isLanguageName(const QString& place)
{
    return place.contains(QLatin1String("Language_ru"));
}

void expectNoRussian(const ShownTexts& texts, const char* where)
{
    for (const auto& [place, text] : texts) {
        if (hasCyrillic(text) && !isLanguageName(place))
            ADD_FAILURE() << where << " " << place.toStdString() << ": \"" << text.toStdString() << '"';
    }
}

} // namespace

TEST_F(EnglishWindow, EveryPageMenuAndToolbarTextIsEnglish)
{
    WorkingFolder folder;
    TForm1 window;
    waitUntilReady(window);
    ShownTexts texts;
    for (int page = 0; page < PageTree::kPageCount; ++page) {
        clickPage(window, page);
        QApplication::processEvents();
        grabPage(&window, QStringLiteral("en-window-page%1").arg(page)); // at the default window size
        // Pages change their texts on entry (titles, captions chosen by page).
        for (auto& [place, text] : shownTexts(*shownPanel(window)))
            texts[QStringLiteral("page %1 ").arg(page) + place] = text;
    }
    for (auto& [place, text] : shownTexts(window))
        texts[place] = text;
    expectNoRussian(texts, "window");
    EXPECT_GT(texts.size(), 500u) << "the walk saw too few texts to prove anything";
    ASSERT_TRUE(window.close());
}

TEST_F(EnglishWindow, AFailedOperationReportsInEnglish)
{
    WorkingFolder folder;
    TForm1 window;
    waitUntilReady(window);
    // COM1 does not answer here: the operation fails with its status texts.
    ModalScript script;
    script.thenMessage();
    window.findChild<QAction*>(QStringLiteral("ReadConf"))->trigger();
    ASSERT_TRUE(waitFor([&] { return window.findChild<QAction*>(QStringLiteral("ReadConf"))->isEnabled(); }, 10000));
    expectNoRussian(shownTexts(*window.statusBar()), "status bar");
    for (const SeenMessage& message : script.messages) {
        EXPECT_FALSE(hasCyrillic(message.title + message.text)) << message.text.toStdString();
    }
}

} // namespace vrm::test
