#pragma once
// The main window: the page tree on the left, one page panel at a time on the
// right, the file and controller actions in menu and toolbar, the four status
// panels. It owns the configuration image, the port name, the run-time texts,
// the page groups and the controller session.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/ConfigImage.h"
#include "session/OperationHost.h"
#include "ui/PageTree.h"
#include "ui/TextTable.h"
#include "ui/LanguageFile.h"
#include "ui/LanguageFileTranslator.h"
#include "ui/pages/PageHost.h"

class QAction;
class QLabel;
class QProgressBar;
class QSplitter;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vrm {

class DeferredPageGroup;

class ControllerSession;
class OpenDocument;
class PageGroup;
class RecentFiles;
class StatusPage;

class TForm1 : public QMainWindow, public PageHost, public OperationHost {
    Q_OBJECT
public:
    using PageGroupFactory = std::function<std::vector<std::unique_ptr<PageGroup>>(PageHost&)>;

    // Builds the window and runs the start-up: page tree, pages, port settings,
    // "default.cnt", the port test, and the first poller 500 ms later.
    // `leadingGroups` serve their pages ahead of the built-in groups (page 0
    // stays the status page).
    explicit TForm1(PageGroupFactory leadingGroups = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    static QStringList supportedVersions();
    // The file dialogs' filter for configuration files.
    static QString configFileFilter();

    // PageHost and OperationHost.
    ConfigImage& image() override { return image_; }
    int shownPage() const override { return shownPage_; }
    void storeAndShowShownPage() override;
    QStringList textList(const QString& name) const override { return texts_.list(name); }
    QString text(const QString& name) const override { return texts_.text(name); }
    ControllerAccess& controller() override;
    QString pageTitle(int page) const override;
    bool languageFileApplied() const override { return languageFile_ != nullptr; }
    void selectPage(int index) override;
    void storeShownPage() override;
    void showShownPage() override;
    void setControllerActionsEnabled(bool enabled) override;
    void setStatusPanel(int panel, const QString& text) override;
    QString statusPanel(int panel) const override;
    QString portName() const override { return portName_; }
    LinkFactory linkFactory() const override;
    QStringList transactionMessages() const override;
    QStringList gsmStates() const override;
    StatusView& actionStatus() override;
    bool clearModesOnProgram() const override;
    void showWarning(const QString& caption, const QString& text) override;
    void copyToClipboard(const QString& text) override;
    bool runFactoryResetCountdown(std::function<bool()> deviceLost) override;
    QString backupFolder() const override;

    // The operation frame's status label `ActionName` on page 0.
    QLabel* actionLabel() const;

    void setPortName(const QString& name) { portName_ = name; }
    // Working directory at start-up with a trailing separator.
    QString programDirectory() const { return programDirectory_; }
    TextTable& textTable() { return texts_; }
    ControllerSession* session() const { return session_.get(); }
    StatusPage* statusPage() const { return statusPage_; }
    QTreeWidget* pageTree() const { return tree_; }
    QSplitter* splitter() const { return splitter_; }
    OpenDocument* document() const { return document_; }
    RecentFiles* recentFiles() const { return recent_; }
    PageGroup* pageGroup(int page) const;
    // Builds the settings page groups not built yet.
    void buildAllPageGroups();
    // False while a device operation runs: closing is refused then.
    bool closeAllowed() const;
    // Opens the named port and closes it again; true when it opened.
    static bool testOpenPort(const QString& name);

public slots:
    void newConfiguration();  // FileNew1
    void openConfiguration(); // FileOpen1
    // Loads `path` as the open dialog does, with its messages on failure; true when it loaded.
    bool openConfigurationFile(const QString& path);
    void saveConfiguration(); // FileSave1
    void configurePort();     // ComPortConfig
    void about();             // Abaut

signals:
    // The page entered, after its show step.
    void shownPageChanged(int page);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createCentralArea();
    void createPages(const PageGroupFactory& leadingGroups);
    void startUp();
    // Builds the next settings page group not built yet, then schedules the one after.
    void buildNextGroupWhenIdle();
    void prepareNextPanelWhenIdle();
    // The panel of `page`, null when no group serves it.
    QWidget* panelOf(int page) const;
    // Not shown, and not yet polished and laid out at the page area's size.
    bool needsPreparing(const QWidget* panel) const;
    DeferredPageGroup* nextUnbuiltGroup() const;

    QAction* addAction(const char* name, const QString& caption, const QString& menuCaption, const QString& hint,
                       QKeySequence shortcut, int glyphIndex);
    void connectSession();
    void onTreeSelection(QTreeWidgetItem* current);
    void switchPage(int page);
    void storeStep(int page);
    void showStep(int page);
    // Puts `panel` into the page area once, with its controls' edits marking the configuration changed.
    void addPanel(QWidget* panel);
    void applyActionStates();
    void testPortIntoStatus();
    void loadWorkingConfiguration();
    void applyDefaultGeometry();
    // On close: asks to save unsaved changes of a file the user named; false to stay open.
    bool settleUnsavedChanges();

    ConfigImage image_;
    // Made before the text table and the widgets: the language file ("lng.txt"
    // in the working folder) reaches every text made after it.
    std::unique_ptr<LanguageFileTranslator> languageFile_ =
        LanguageFileTranslator::installFrom(QString::fromLatin1(kLanguageFileName));
    TextTable texts_;
    PageTree pages_;
    QString portName_ = QStringLiteral("COM1");
    QString programDirectory_;
    int shownPage_ = -1;
    int showing_ = 0; // inside a show step: the values the controls take are no edits
    bool actionsUnlocked_ = false;
    // The shown page has its own read and program buttons (PageGroup::hasOwnTransfers).
    bool ownTransfersShown_ = false;

    QTreeWidget* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    int nextPanelToPrepare_ = 0; // the next page whose panel is drawn once in idle time
    int panelPreparePasses_ = 0;
    OpenDocument* document_ = nullptr;
    RecentFiles* recent_ = nullptr;
    std::array<QLabel*, 4> statusPanels_{};
    std::vector<QAction*> controllerActions_;   // the ten that operations lock
    std::vector<QAction*> ownTransfersDisabled_; // the six a page with its own transfers disables

    std::vector<std::unique_ptr<PageGroup>> groups_;
    std::array<PageGroup*, PageTree::kPageCount> groupOfPage_{};
    StatusPage* statusPage_ = nullptr;
    std::unique_ptr<ControllerSession> session_;
};

} // namespace vrm
