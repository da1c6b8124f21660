#include "ui/TForm1.h"

#include "session/IdentityRecord.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "link/PortList.h"
#include "link/QtSerialLink.h"
#include "model/ConfigFile.h"
#include "model/FactoryImage.h"
#include "model/UiText.h"
#include "model/WorkingFiles.h"
#include "model/ConfigBackups.h"
#include "session/ControllerSession.h"
#include "ui/BackupsDialog.h"
#include "ui/FieldCompareActions.h"
#include "ui/FileDrop.h"
#include "ui/Glyphs.h"
#include "ui/LoadFailureText.h"
#include "ui/LivePlotWindow.h"
#include "ui/OpenDocument.h"
#include "ui/PortRefusal.h"
#include "ui/RecentFiles.h"
#include "ui/ReportActions.h"
#include "ui/WindowGeometry.h"
#include "ui/PortSettingsFile.h"
#include "ui/LanguageFileToolBar.h"
#include "ui/LanguageMenu.h"
#include "ui/SerialTraceAction.h"
#include "ui/TAboutBox.h"
#include "ui/TFormCOMPortConfig.h"
#include "ui/TFormClearConfig.h"
#include "ui/pages/DeferredPageGroup.h"
#include "ui/pages/PlaceholderPages.h"
#include "ui/pages/UserEdits.h"
#include "ui/pages/io/inputs/InputsPages.h"
#include "ui/pages/comms/CommsPages.h"
#include "ui/pages/io/outputs/OutputsPageGroups.h"
#include "ui/pages/io/perimeters/PerimeterAndClockPages.h"
#include "ui/pages/status/StatusPage.h"

namespace vrm {

namespace {

const QString kWorkingConfiguration = QStringLiteral("default.cnt");
const QString kNotConnected = QStringLiteral("NC");

// Interface texts used in several places, translated when used (after the
// interface language is installed).
QString windowCaption()
{
    return Ui::tr("Конфигуратор GSM контроллера VRM530");
}

QString rootNodeText()
{
    return Ui::tr("GSM контроллер VRM530");
}

QString configFilter()
{
    return Ui::tr("Файлы конфигурации (*.cnt)");
}

QString saveTitle()
{
    return Ui::tr("Сохранение конфигурации");
}

constexpr int kStatusPanelWidths[4] = {500, 60, 100, 250};
constexpr int kToolBarHeight = 33;
constexpr int kCaptionButtonWidth = 150;
constexpr int kFirstPollerDelayMs = 500;
// After start-up the settings page groups are built one per event-loop pass,
// so that the first visit of a page costs no more than any other; the window
// is drawn and answering by then.
constexpr int kFirstGroupBuildDelayMs = 300;

void warn(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::warning(parent, caption, text, QMessageBox::Ok);
}

} // namespace

TForm1::TForm1(PageGroupFactory leadingGroups, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Ui::tr("Конфигуратор GSM контроллера VRM---"));
    image_ = buildFactoryImage();

    createActions();
    createMenus();
    createToolBar();
    createCentralArea();
    createStatusBar();
    createPages(leadingGroups);
    installFieldCompare(*this);
    installReportActions(*this);
    startUp();
}

TForm1::~TForm1()
{
    // The poller stops and is joined before the pages it writes to go away.
    session_.reset();
}

QString TForm1::configFileFilter()
{
    return configFilter();
}

QStringList TForm1::supportedVersions()
{
    return identity::supportedFirmware();
}

// ---------------------------------------------------------------- construction

QAction* TForm1::addAction(const char* name, const QString& caption, const QString& menuCaption,
                           const QString& hint, QKeySequence shortcut, int glyphIndex)
{
    // The menu shows text(), the toolbar iconText(): the menu item may carry a
    // longer caption than the action's own.
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    action->setText(menuCaption.isEmpty() ? caption : menuCaption);
    action->setIconText(caption.isEmpty() ? action->text() : caption);
    action->setToolTip(hint.isEmpty() ? action->iconText() : hint);
    action->setStatusTip(hint);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    action->setIcon(glyph(glyphIndex));
    return action;
}

void TForm1::createActions()
{
    QAction* fileNew = addAction("FileNew1", {}, Ui::tr("Установить стандартную конфигурацию"),
                                 Ui::tr("Установить стандартную конфигурацию", "hint"), {}, 0);
    QAction* fileOpen = addAction("FileOpen1", {}, Ui::tr("Открыть файл конфигурации..."),
                                  Ui::tr("Открыть файл конфигурации"), {}, 1);
    QAction* fileSave = addAction("FileSave1", {}, Ui::tr("Сохранить текущую конфигурацию в файл..."),
                                  Ui::tr("Сохранить текущую конфигурацию в файл"), {}, 2);
    QAction* program = addAction("Programm", Ui::tr("Программировать"), {},
                                 Ui::tr("Загрузить конфигурацию в контроллер и перезапустить"),
                                 QKeySequence(Qt::Key_F5), 9);
    QAction* read = addAction("ReadConf", Ui::tr("Считать"), Ui::tr("Считать конфигурацию"),
                              Ui::tr("Считать конфигурацию контроллера"), QKeySequence(Qt::Key_F6), 5);
    QAction* compare = addAction("CompareConf", Ui::tr("Сравнить"), Ui::tr("Сравнить конфигурацию"),
                                 Ui::tr("Сравнить текущую конфигурацию с конфигурацией контроллера"),
                                 QKeySequence(Qt::Key_F7), 6);
    QAction* reconfigure = addAction("Reconfigurate", Ui::tr("Реконфигурировать"), {},
                                     Ui::tr("Загрузить конфигурацию в контроллер, без перезапуска"),
                                     QKeySequence(Qt::Key_F8), 4);
    QAction* reset = addAction("Reset", Ui::tr("Перезапустить"), Ui::tr("Перезапустить (Системный сброс)"),
                               Ui::tr("Перезапустить контроллер"), QKeySequence(Qt::Key_F9), 8);
    addAction("ReadIMEICode", QStringLiteral("ReadIMEICode"), Ui::tr("Считать IMEI контроллера в буфер обмена"),
              {}, QKeySequence(Qt::Key_F10), -1);
    QAction* factory = addAction("FactoryConfig", QStringLiteral("FactoryConfig"),
                                 Ui::tr("Восстановить заводскую конфигурацию"), {}, {}, -1);
    QAction* port = addAction("ComPortConfig", Ui::tr("COM порт..."), {}, Ui::tr("Настройка COM порта"),
                              {}, 7);
    QAction* aboutAction = addAction("Abaut", Ui::tr("О программе..."), {}, {}, {}, -1);

    controllerActions_ = {program, read, compare, factory, reset, reconfigure, fileOpen, fileSave, fileNew, port};
    ownTransfersDisabled_ = {program, read, compare, reconfigure, reset, factory};

    connect(fileNew, &QAction::triggered, this, &TForm1::newConfiguration);
    connect(fileOpen, &QAction::triggered, this, &TForm1::openConfiguration);
    connect(fileSave, &QAction::triggered, this, &TForm1::saveConfiguration);
    connect(port, &QAction::triggered, this, &TForm1::configurePort);
    connect(aboutAction, &QAction::triggered, this, &TForm1::about);

    // Locked until the first poller starts.
    applyActionStates();
}

void TForm1::createMenus()
{
    auto find = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(Ui::tr("Файл"));
    file->addAction(find("FileNew1"));
    file->addAction(find("FileOpen1"));
    file->addAction(find("FileSave1"));
    QMenu* recentMenu = file->addMenu(Ui::tr("Последние файлы"));
    recentMenu->setObjectName(QStringLiteral("RecentFilesMenu"));
    recent_ = new RecentFiles(recentMenu, this);
    connect(recent_, &RecentFiles::openRequested, this, &TForm1::openConfigurationFile);
    file->addAction(createBackupsAction(
        *this, this, find("FileOpen1"), [this](const QString& path) { compareWithConfigurationFile(*this, path); },
        [this](const QString& path) { return openConfigurationFile(path); }));
    file->addSeparator();
    QAction* close = file->addAction(Ui::tr("Закрыть"));
    close->setObjectName(QStringLiteral("FileExit1"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu* settings = bar->addMenu(Ui::tr("Настройка"));
    settings->addAction(find("ComPortConfig"));
    settings->addAction(createSerialTraceAction(this, [this] { return programDirectory_ + QStringLiteral("vrm530-trace.log"); }));
    settings->addMenu(createLanguageMenu(this));

    QMenu* controller = bar->addMenu(Ui::tr("Контроллер"));
    controller->setObjectName(QStringLiteral("ControllerMenu")); // the live plots join it once the session exists
    controller->addAction(find("Programm"));
    controller->addAction(find("ReadConf"));
    controller->addAction(find("CompareConf"));
    controller->addSeparator();
    controller->addAction(find("ReadIMEICode"));
    controller->addSeparator();
    controller->addAction(find("Reconfigurate"));
    controller->addAction(find("Reset"));
    controller->addAction(find("FactoryConfig"));

    QMenu* help = bar->addMenu(QStringLiteral("?"));
    help->addAction(find("Abaut"));
}

void TForm1::createToolBar()
{
    auto find = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(kToolBarHeight);
    bar->setIconSize(QSize(22, 22));
    bar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, bar);

    auto addButton = [&](const char* name, bool withCaption, int width) {
        QAction* action = find(name);
        auto* button = new QToolButton(bar);
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setObjectName(QStringLiteral("ToolButton") + QString::fromLatin1(name));
        button->setToolButtonStyle(withCaption ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
        if (width > 0)
            button->setMinimumWidth(width);
        bar->addWidget(button);
    };
    addButton("FileNew1", false, 0);
    addButton("FileOpen1", false, 0);
    addButton("FileSave1", false, 0);
    bar->addSeparator();
    addButton("Programm", true, kCaptionButtonWidth);
    addButton("ReadConf", true, kCaptionButtonWidth);
    addButton("CompareConf", true, kCaptionButtonWidth);
    bar->addSeparator();
    addButton("Reconfigurate", true, 0);
    addButton("Reset", true, 0);
}

void TForm1::createCentralArea()
{
    // The tree and the pages share the width through a splitter; a page larger
    // than the room it gets scrolls instead of being cut.
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("ClientArea"));
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(4);

    tree_ = new QTreeWidget(splitter_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setMinimumWidth(kLeastTreeWidth / 2);
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setItemsExpandable(true);
    tree_->setIndentation(14);
    // Never sideways: a text longer than the tree's width is elided, its whole
    // text in the node's tool tip.
    tree_->header()->setStretchLastSection(true);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree_->setTextElideMode(Qt::ElideRight);
    // Keep the selection clearly visible when the tree has no focus.
    QPalette palette = tree_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    tree_->setPalette(palette);
    splitter_->addWidget(tree_);

    auto* scroll = new QScrollArea(splitter_);
    scroll->setObjectName(QStringLiteral("PageScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    stack_ = new QStackedWidget;
    stack_->setObjectName(QStringLiteral("PageArea"));
    scroll->setWidget(stack_);
    splitter_->addWidget(scroll);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);

    setCentralWidget(splitter_);
}

void TForm1::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const Qt::Alignment alignments[4] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setAlignment(alignments[i] | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        if (i == 0) {
            // The file path takes the width the others leave, so that a narrow window stays possible.
            label->setMinimumWidth(kStatusPanelWidths[i] / 4);
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            bar->addPermanentWidget(label, 1);
        } else {
            label->setFixedWidth(kStatusPanelWidths[i]);
            bar->addPermanentWidget(label);
        }
        statusPanels_[i] = label;
    }
    statusPanels_[1]->setText(kNotConnected);
}

void TForm1::createPages(const PageGroupFactory& leadingGroups)
{
    // First: the pages connect to the controller access as they are built.
    session_ = std::make_unique<ControllerSession>(static_cast<OperationHost&>(*this));

    auto statusPage = std::make_unique<StatusPage>(static_cast<PageHost&>(*this));
    statusPage_ = statusPage.get();
    groups_.push_back(std::move(statusPage));
    if (leadingGroups) {
        for (auto& group : leadingGroups(*this))
            groups_.push_back(std::move(group));
    }
    // The settings pages are built when first opened.
    const auto range = [](int first, int last) {
        QList<int> pages;
        for (int page = first; page <= last; ++page)
            pages << page;
        return pages;
    };
    const std::pair<QList<int>, DeferredPageGroup::Factory> settingsGroups[] = {
        {range(1, 13) << 47, createCommsPages},
        {range(20, 28) << range(38, 46), createInputsPages},
        {range(29, 37) << 15, createOutputsPageGroups},
        {range(16, 19) << 14, createPerimeterAndClockPages},
    };
    for (const auto& [pages, factory] : settingsGroups)
        groups_.push_back(std::make_unique<DeferredPageGroup>(*this, pages, factory));

    QSet<int> served;
    for (const auto& group : groups_) {
        for (int page : group->pages())
            served.insert(page);
    }
    for (auto& group : createPlaceholderPages(*this, served))
        groups_.push_back(std::move(group));

    for (const auto& group : groups_) {
        for (int page : group->pages()) {
            if (page < 0 || page >= PageTree::kPageCount || groupOfPage_[page])
                continue; // the first group that claims a page serves it
            groupOfPage_[page] = group.get();
            if (dynamic_cast<DeferredPageGroup*>(group.get()))
                continue; // its panels join the stack when their pages are first shown
            addPanel(group->panel(page));
        }
    }

    connectSession();
}

void TForm1::connectSession()
{
    auto find = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    ControllerSession* session = session_.get();
    connect(find("Programm"), &QAction::triggered, session, &ControllerSession::program);
    connect(find("ReadConf"), &QAction::triggered, session, &ControllerSession::read);
    connect(find("CompareConf"), &QAction::triggered, session, &ControllerSession::compare);
    connect(find("Reconfigurate"), &QAction::triggered, session, &ControllerSession::reconfigure);
    connect(find("Reset"), &QAction::triggered, session, &ControllerSession::restart);
    connect(find("ReadIMEICode"), &QAction::triggered, session, &ControllerSession::readImei);
    connect(find("FactoryConfig"), &QAction::triggered, session, &ControllerSession::factoryConfig);
    connect(statusPage_, &StatusPage::controlCommandRequested, session, &ControllerSession::sendControlCommand);
    connect(session, &ControllerSession::identityShown, statusPage_, &StatusPage::showIdentity);
    connect(session, &ControllerSession::pageZeroPolled, statusPage_, &StatusPage::showLiveStatus);
    findChild<QMenu*>(QStringLiteral("ControllerMenu"))->addAction(createLivePlotsAction(*session, image_, this));
}

// ---------------------------------------------------------------- start-up

void TForm1::startUp()
{
    programDirectory_ = QDir::currentPath();
    if (!programDirectory_.isEmpty() && !programDirectory_.endsWith(QLatin1Char('/')))
        programDirectory_ += QLatin1Char('/');

    setWindowTitle(windowCaption());

    pages_.load(*tree_, embeddedPageTreeText());
    if (QTreeWidgetItem* root = pages_.node(0))
        root->setText(0, rootNodeText());

    tree_->expandAll();
    for (int i = 0; i < pages_.count(); ++i)
        pages_.node(i)->setToolTip(0, pages_.node(i)->text(0));
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onTreeSelection(current); });
    selectPage(0);

    if (languageFile_)
        applyLanguageFileToToolBar(*findChild<QToolBar*>(QStringLiteral("ToolBar1")));

    // What interrupted saves left beside the two working files goes first.
    removeInterruptedSaves(QDir::currentPath(), kWorkingConfiguration, QByteArray(kHeaderPrefix));
    removeInterruptedSaves(QDir::currentPath(), QString::fromLatin1(kPortSettingsFileName),
                           QByteArray(kPortSettingsHeader));

    portName_ = readPortSettings(programDirectory_ + QString::fromLatin1(kPortSettingsFileName))
                    .value_or(QStringLiteral("COM1"));
    document_ = new OpenDocument(kWorkingConfiguration, [this] {
        // What saving now would write: the shown page's controls stored into a copy.
        ConfigImage current = image_;
        if (PageGroup* group = pageGroup(shownPage_); group && group->hasStoreStep(shownPage_))
            group->store(shownPage_, current);
        return current;
    }, this);
    connect(document_, &OpenDocument::stateChanged, this, [this](const QString& path, bool modified) {
        setWindowTitle(OpenDocument::title(path, modified, windowCaption()));
    });
    loadWorkingConfiguration();
    testPortIntoStatus();

    applyDefaultGeometry();
    restoreWindowGeometry(*this, *splitter_);
    auto* drop = new FileDrop(this);
    connect(drop, &FileDrop::fileDropped, this, &TForm1::openConfigurationFile);

    session_->startPollerAfter(kFirstPollerDelayMs);
    QTimer::singleShot(kFirstGroupBuildDelayMs, this, &TForm1::buildNextGroupWhenIdle);
}

DeferredPageGroup* TForm1::nextUnbuiltGroup() const
{
    for (const auto& group : groups_) {
        if (auto* deferred = dynamic_cast<DeferredPageGroup*>(group.get()); deferred && !deferred->built())
            return deferred;
    }
    return nullptr;
}

void TForm1::buildNextGroupWhenIdle()
{
    if (DeferredPageGroup* group = nextUnbuiltGroup()) {
        group->build();
        QTimer::singleShot(0, this, &TForm1::buildNextGroupWhenIdle);
        return;
    }
    // Every panel joins the page area before any is prepared, so that the
    // area has taken its final size by then.
    for (int page = 0; page < PageTree::kPageCount; ++page)
        addPanel(panelOf(page));
    QTimer::singleShot(0, this, &TForm1::prepareNextPanelWhenIdle);
}

QWidget* TForm1::panelOf(int page) const
{
    PageGroup* group = pageGroup(page);
    return group ? group->panel(page) : nullptr;
}

bool TForm1::needsPreparing(const QWidget* panel) const
{
    return panel && !panel->isVisible()
           && !(panel->testAttribute(Qt::WA_WState_Polished) && panel->size() == stack_->size());
}

void TForm1::prepareNextPanelWhenIdle()
{
    // Each page's panel is polished, laid out at the page area's size and
    // drawn once off screen, one per idle pass: the first visit to a page
    // then costs no more than later ones (polishing, laying out and the
    // first drawing of its pictures took twice as long as a switch).
    for (; nextPanelToPrepare_ < PageTree::kPageCount; ++nextPanelToPrepare_) {
        QWidget* panel = panelOf(nextPanelToPrepare_);
        if (!needsPreparing(panel))
            continue;
        panel->setGeometry(stack_->rect());
        panel->grab();
        ++nextPanelToPrepare_;
        QTimer::singleShot(0, this, &TForm1::prepareNextPanelWhenIdle);
        return;
    }
    // Laying the panels out may change the area's size once (its scroll bar
    // comes or goes): then the panels are laid out again at the new size.
    if (++panelPreparePasses_ < 3) {
        nextPanelToPrepare_ = 0;
        for (int page = 0; page < PageTree::kPageCount; ++page) {
            if (needsPreparing(panelOf(page))) {
                QTimer::singleShot(0, this, &TForm1::prepareNextPanelWhenIdle);
                return;
            }
        }
    }
}

void TForm1::buildAllPageGroups()
{
    while (DeferredPageGroup* group = nextUnbuiltGroup())
        group->build();
}

void TForm1::applyDefaultGeometry()
{
    // The pages as large as they are laid out for, the tree as wide as its
    // texts, the whole within the screen; on a narrow screen the tree elides.
    WindowParts parts;
    const QAbstractItemView* view = tree_; // the tree answers for its indented texts
    parts.treeTextWidth = view->sizeHintForColumn(0) + 2 * tree_->frameWidth()
                          + tree_->verticalScrollBar()->sizeHint().width();
    const QToolBar* toolBar = findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    parts.chrome = QSize(splitter_->handleWidth(), menuBar()->sizeHint().height() + toolBar->sizeHint().height()
                                                       + statusBar()->sizeHint().height());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const FirstWindowLayout first = firstWindowLayout(available, parts);
    resize(first.geometry.size());
    move(first.geometry.topLeft());
    splitter_->setSizes({first.treeWidth,
                         std::max(0, first.geometry.width() - first.treeWidth - splitter_->handleWidth())});
}

void TForm1::loadWorkingConfiguration()
{
    if (readConfigFile(kWorkingConfiguration, image_) != LoadResult::Loaded) {
        restoreFactoryMainBlock(image_);
        // Closing writes "default.cnt" again: a file that did not load (a
        // wrong check byte, a cut body) may hold nearly all of a configuration,
        // so it is kept under another name, and the user told once.
        const QString kept = keepDamagedFile(QDir::current().filePath(kWorkingConfiguration));
        if (!kept.isEmpty()) {
            QTimer::singleShot(0, this, [this, name = QFileInfo(kept).fileName()] {
                warn(this, openConfigurationTitle(),
                     Ui::tr("Файл \"%1\" повреждён и сохранён под именем \"%2\". "
                            "Установлена стандартная конфигурация.")
                         .arg(kWorkingConfiguration, name));
            });
        }
    }
    setStatusPanel(0, kWorkingConfiguration);
    document_->setFile(kWorkingConfiguration);
}

bool TForm1::testOpenPort(const QString& name)
{
    std::unique_ptr<SerialLink> link = serialLinkFactory(name)();
    const bool opened = link->open();
    link->close();
    return opened;
}

void TForm1::testPortIntoStatus()
{
    setStatusPanel(1, testOpenPort(portName_) ? portName_ : kNotConnected);
}

// ---------------------------------------------------------------- pages

PageGroup* TForm1::pageGroup(int page) const
{
    return page >= 0 && page < PageTree::kPageCount ? groupOfPage_[page] : nullptr;
}

void TForm1::selectPage(int index)
{
    QTreeWidgetItem* item = pages_.node(index);
    if (!item)
        return;
    if (tree_->currentItem() == item) {
        // Already current (the view may pick a current item by itself): make
        // sure its page is the one shown.
        if (shownPage_ != index)
            switchPage(index);
        return;
    }
    tree_->setCurrentItem(item);
}

void TForm1::onTreeSelection(QTreeWidgetItem* current)
{
    const int index = pages_.indexOf(current);
    if (index >= 0 && index != shownPage_)
        switchPage(index);
}

void TForm1::switchPage(int page)
{
    const int left = shownPage_;
    if (ownTransfersShown_) {
        ownTransfersShown_ = false; // leaving: the six device actions come back
        applyActionStates();
    }
    storeStep(left);

    if (PageGroup* group = pageGroup(page)) {
        if (group->takesTreeTitle(page)) {
            if (QLabel* title = group->titleLabel(page))
                title->setText(pages_.node(page)->text(0));
        }
        if (group->hasOwnTransfers(page)) {
            ownTransfersShown_ = true; // the page has its own program and read buttons
            applyActionStates();
        }
        ++showing_; // the entry step's preparation is no edit either
        group->enter(page);
        --showing_;
        showStep(page);
        if (QWidget* panel = group->panel(page)) {
            addPanel(panel);
            stack_->setCurrentWidget(panel);
        }
    }
    shownPage_ = page;
    if (document_)
        document_->imageShown(image_);
    if (session_)
        session_->pageShown(page);
    emit shownPageChanged(page);
}

void TForm1::storeStep(int page)
{
    PageGroup* group = pageGroup(page);
    if (group && group->hasStoreStep(page))
        group->store(page, image_);
}

void TForm1::showStep(int page)
{
    PageGroup* group = pageGroup(page);
    if (group && group->hasStoreStep(page)) {
        ++showing_;
        group->show(page, image_);
        --showing_;
    }
}

void TForm1::addPanel(QWidget* panel)
{
    if (!panel || stack_->indexOf(panel) >= 0)
        return;
    stack_->addWidget(panel);
    connectUserEdits(panel, this, [this] {
        // A value that a show step sets is no edit (imageShown looks after it).
        if (document_ && showing_ == 0)
            document_->edited();
    });
}

void TForm1::storeShownPage()
{
    storeStep(shownPage_);
}

void TForm1::showShownPage()
{
    showStep(shownPage_);
    if (document_)
        document_->imageShown(image_);
}

void TForm1::storeAndShowShownPage()
{
    storeShownPage();
    showShownPage();
}

// ---------------------------------------------------------------- actions

void TForm1::setControllerActionsEnabled(bool enabled)
{
    actionsUnlocked_ = enabled;
    applyActionStates();
}

void TForm1::applyActionStates()
{
    for (QAction* action : controllerActions_)
        action->setEnabled(actionsUnlocked_);
    // Unlocking on a page with its own transfers (after them) leaves the six disabled.
    if (ownTransfersShown_) {
        for (QAction* action : ownTransfersDisabled_)
            action->setEnabled(false);
    }
}

ControllerAccess& TForm1::controller()
{
    return *session_;
}

// ---------------------------------------------------------------- status bar and port

void TForm1::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 0 && panel < int(statusPanels_.size()))
        statusPanels_[panel]->setText(text);
}

QString TForm1::pageTitle(int page) const
{
    const QTreeWidgetItem* node = pages_.node(page);
    return node ? node->text(0) : QString();
}

QString TForm1::statusPanel(int panel) const
{
    return panel >= 0 && panel < int(statusPanels_.size()) ? statusPanels_[panel]->text() : QString();
}

QString TForm1::backupFolder() const
{
    return programDirectory_ + QString::fromLatin1(kBackupFolderName);
}

LinkFactory TForm1::linkFactory() const
{
    return serialLinkFactory(portName_);
}

QStringList TForm1::transactionMessages() const
{
    return texts_.list(texts::transactionMessages);
}

QStringList TForm1::gsmStates() const
{
    return texts_.list(texts::gsmStates);
}

QLabel* TForm1::actionLabel() const
{
    return statusPage_->actionLabel();
}

StatusView& TForm1::actionStatus()
{
    return statusPage_->actionStatus();
}

bool TForm1::clearModesOnProgram() const
{
    return statusPage_->clearModesOnProgram();
}

void TForm1::showWarning(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, this);
    box.exec();
}

void TForm1::copyToClipboard(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

bool TForm1::runFactoryResetCountdown(std::function<bool()> deviceLost)
{
    TFormClearConfig countdown(std::move(deviceLost), this);
    countdown.exec();
    return countdown.completed();
}

void TForm1::configurePort()
{
    session_->stopPoller();
    {
        TFormCOMPortConfig dialog(portName_, describedPorts(), &TForm1::testOpenPort,
                                  texts_.text(texts::portDialogCaption), texts_.text(texts::portDialogError), this,
                                  [](const QString& name) { return portRefusalMessage(name); });
        connect(&dialog, &TFormCOMPortConfig::portSelected, this, &TForm1::setPortName);
        connect(&dialog, &TFormCOMPortConfig::portTested, this, [this](const QString& name, bool opened) {
            setStatusPanel(1, opened ? name : kNotConnected);
        });
        dialog.exec();
    }
    testPortIntoStatus();
    session_->startPoller();
}

void TForm1::about()
{
    TAboutBox box(texts_.text(texts::aboutCaption), windowCaption(), texts_.text(texts::forDeviceVersions),
                  supportedVersions(), this);
    box.exec();
}

// ---------------------------------------------------------------- file actions

void TForm1::newConfiguration()
{
    restoreFactoryMainBlock(image_);
    showShownPage();
    setStatusPanel(0, kWorkingConfiguration);
    document_->setFile(kWorkingConfiguration);
}

void TForm1::saveConfiguration()
{
    QFileDialog dialog(this, saveTitle());
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // asked below, in our own words
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("cnt"));
    dialog.setNameFilter(configFileFilter());
    dialog.selectFile(statusPanel(0));

    // The file holds what the user sees.
    storeAndShowShownPage();

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();

    if (QFileInfo::exists(path)) {
        QMessageBox question(QMessageBox::Warning, saveTitle(), Ui::tr("Файл уже существует, заменить?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setObjectName(QStringLiteral("ReplaceQuestion"));
        if (question.exec() != QMessageBox::Yes)
            return;
    }

    if (writeConfigFile(path, image_) != 0) {
        warn(this, saveTitle(), Ui::tr("Невозможно сохранить файл"));
        return;
    }
    setStatusPanel(0, path);
    document_->setFile(path);
    recent_->add(path);
}

void TForm1::openConfiguration()
{
    QFileDialog dialog(this, openConfigurationTitle(), programDirectory_);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // a missing file is reported by the reader
    dialog.setDefaultSuffix(QStringLiteral("cnt"));
    dialog.setNameFilter(configFileFilter());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openConfigurationFile(dialog.selectedFiles().constFirst());
}

bool TForm1::openConfigurationFile(const QString& file)
{
    // A device operation works on the image: a drop or a recent file chosen
    // meanwhile is refused, as the locked open action is.
    if (session_->busy())
        return false;
    const QString path = QFileInfo(file).absoluteFilePath();
    const LoadResult result = readConfigFile(path, image_);
    switch (result) {
    case LoadResult::Loaded:
        showShownPage();
        setStatusPanel(0, path);
        document_->setFile(path);
        recent_->add(path);
        return true;
    case LoadResult::CannotOpen:
        warn(this, openConfigurationTitle(), loadFailureText(LoadResult::CannotOpen));
        recent_->remove(path); // gone or unreadable: the list no longer offers it
        break;
    case LoadResult::UnknownFormat:
    case LoadResult::VersionMismatch:
        warn(this, openConfigurationTitle(), loadFailureText(result));
        break;
    }
    return false;
}

// ---------------------------------------------------------------- closing

bool TForm1::settleUnsavedChanges()
{
    // The working file is saved on close anyway.
    if (document_->isWorkingFile() || !document_->modified())
        return true;
    const QString path = document_->path();
    QMessageBox question(QMessageBox::Question, saveTitle(),
                         Ui::tr("Конфигурация изменена. Сохранить изменения в файле \"%1\"?")
                             .arg(QFileInfo(path).fileName()),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("SaveChangesQuestion"));
    question.setDefaultButton(QMessageBox::Save);
    question.button(QMessageBox::Save)->setText(Ui::tr("Сохранить"));
    question.button(QMessageBox::Discard)->setText(Ui::tr("Не сохранять"));
    question.button(QMessageBox::Cancel)->setText(Ui::tr("Отмена"));
    switch (question.exec()) {
    case QMessageBox::Save:
        storeShownPage();
        if (writeConfigFile(path, image_) != 0) {
            warn(this, saveTitle(), Ui::tr("Невозможно сохранить файл"));
            return false;
        }
        document_->setFile(path);
        return true;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool TForm1::closeAllowed() const
{
    const QAction* port = findChild<QAction*>(QStringLiteral("ComPortConfig"));
    return !session_->busy() && port->isEnabled();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!closeAllowed()) {
        event->ignore(); // a device operation runs
        return;
    }
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    saveWindowGeometry(*this, *splitter_);
    writePortSettings(programDirectory_ + QString::fromLatin1(kPortSettingsFileName), portName_);
    storeShownPage();
    writeConfigFile(kWorkingConfiguration, image_);
    event->accept();
}

} // namespace vrm
