#include "tzenodynedecmdiframe.h"

#include "circuiteditormenus.h"
#include "colorlistdialog.h"
#include "compilecircuitdialog.h"
#include "documentoptionsdialog.h"
#include "drawingsettings.h"
#include "exportimagesdialog.h"
#include "filepaths.h"
#include "help/helpviewer.h"
#include "messageview.h"
#include "numericparametersdialog.h"
#include "palettetoolbar.h"
#include "print/printcommands.h"
#include "recentfiles.h"
#include "shellprompts.h"
#include "shelltexts.h"
#include "tcircuitview.h"
#include "tdocmanager.h"
#include "tzenodyneapp.h"
#include "tzenodynemdichild.h"
#include "tzenodynemdiclient.h"

#include <editor/help/helptopics.h>
#include <editor/inifile.h>
#include <editor/windowplacement.h>
#include <model/tcircuitdocument.h>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

#include <utility>

TZenodyneDecMDIFrame::TZenodyneDecMDIFrame(TZenodyneApp &app)
    : m_app(app)
    , m_client(new TZenodyneMDIClient(this))
    , m_toolBar(new PaletteToolBar(app.palette(), this))
    , m_compileDialog(new CompileCircuitDialog(this))
    , m_sheetPoint(new QLabel(this))
{
    setWindowTitle(ShellTexts::applicationName());
    setCentralWidget(m_client);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    setAcceptDrops(true);
    statusBar()->addPermanentWidget(m_sheetPoint);
    m_sheetPoint->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("-000000, -000000")));
    m_sheetPoint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    createFileMenu();
    createWindowMenu();
    createHelpMenu();
    m_editorMenus = new CircuitEditorMenus(*menuBar(), m_windowMenu->menuAction(), this);
    connectOptions();
    connect(m_editorMenus, &CircuitEditorMenus::helpRequested, &m_app.helpViewer(),
            &HelpViewer::showHelp);

    TDocManager &docManager = m_app.docManager();
    connect(&docManager, &TDocManager::documentAdded, this, &TZenodyneDecMDIFrame::showView);
    connect(&docManager, &TDocManager::documentClosing, this, &TZenodyneDecMDIFrame::closeViewsOf);
    connect(&docManager, &TDocManager::documentStateChanged, this, [this](TCircuitDocument *doc) {
        if (TZenodyneMDIChild *child = childFor(*doc))
            child->updateCaption();
        if (QMdiSubWindow *messages = messageWindowFor(*doc))
            messages->setWindowTitle(ShellTexts::messagesCaption(m_app.docManager().title(*doc)));
    });
    connect(m_client, &QMdiArea::subWindowActivated, this,
            &TZenodyneDecMDIFrame::activeViewChanged);
    connect(&m_app.recentFiles(), &RecentFiles::changed, this,
            &TZenodyneDecMDIFrame::updateRecentFiles);
    updateRecentFiles();
    activeViewChanged();
}

TZenodyneDecMDIFrame::~TZenodyneDecMDIFrame()
{
    // The subwindows (and their views) go before the documents they show, and the documents
    // forget the dialog and the message views.
    for (const auto &document : m_app.docManager().documents()) {
        document->setCompileMonitor(nullptr);
        document->setMessageViewHook(nullptr);
    }
    disconnect(m_client, nullptr, this, nullptr);
    for (QMdiSubWindow *window : m_client->subWindowList())
        delete window;
}

void TZenodyneDecMDIFrame::createFileMenu()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    const auto add = [this](const QString &text, void (TZenodyneDecMDIFrame::*slot)()) {
        QAction *action = m_fileMenu->addAction(text);
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QStringLiteral("&New"), &TZenodyneDecMDIFrame::fileNew);
    add(QStringLiteral("&Open..."), &TZenodyneDecMDIFrame::fileOpen);
    m_documentActions.append(add(QStringLiteral("&Close"), &TZenodyneDecMDIFrame::fileClose));
    m_documentActions.append(
        add(QStringLiteral("C&lose All"), &TZenodyneDecMDIFrame::fileCloseAll));
    m_fileMenu->addSeparator();
    m_documentActions.append(add(QStringLiteral("&Save"), &TZenodyneDecMDIFrame::fileSave));
    m_documentActions.append(add(QStringLiteral("Save &As..."), &TZenodyneDecMDIFrame::fileSaveAs));
    m_fileMenu->addSeparator();
    add(QStringLiteral("Import Netlist..."), &TZenodyneDecMDIFrame::fileImportNetlist);
    m_exportImages
        = add(QStringLiteral("Export &Images..."), &TZenodyneDecMDIFrame::fileExportImages);
    m_documentActions.append(m_exportImages);
    m_fileMenu->addSeparator();
    m_documentActions.append(
        add(QStringLiteral("Print Pre&view..."), &TZenodyneDecMDIFrame::filePrintPreview));
    m_documentActions.append(add(QStringLiteral("&Print..."), &TZenodyneDecMDIFrame::filePrint));
    m_documentActions.append(
        add(QStringLiteral("P&rint Setup..."), &TZenodyneDecMDIFrame::filePrintSetup));
    m_fileMenu->addSeparator();
    // Sending comes with a later version; its item stays greyed.
    add(QStringLiteral("Sen&d..."), nullptr)->setEnabled(false);
    m_recentSeparator = m_fileMenu->addSeparator();
    m_exitSeparator = m_fileMenu->addSeparator();
    QAction *exit = m_fileMenu->addAction(QStringLiteral("E&xit\tAlt+F4"));
    exit->setShortcut(QKeySequence(QStringLiteral("Alt+F4")));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(m_fileMenu, &QMenu::aboutToShow, this, &TZenodyneDecMDIFrame::updateFileMenu);
}

void TZenodyneDecMDIFrame::createWindowMenu()
{
    m_windowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(m_windowMenu->addAction(QStringLiteral("&Cascade")), &QAction::triggered, m_client,
            &QMdiArea::cascadeSubWindows);
    connect(m_windowMenu->addAction(QStringLiteral("&Tile")), &QAction::triggered, m_client,
            &QMdiArea::tileSubWindows);
    connect(m_windowMenu->addAction(QStringLiteral("Arrange &Icons")), &QAction::triggered,
            m_client, &TZenodyneMDIClient::arrangeIcons);
    m_windowListGroup = new QActionGroup(m_windowMenu);
    m_windowListSeparator = m_windowMenu->addSeparator();
    m_windowListSeparator->setVisible(false);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TZenodyneDecMDIFrame::updateWindowList);
}

void TZenodyneDecMDIFrame::createHelpMenu()
{
    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpViewer *help = &m_app.helpViewer();
    for (const auto &[text, topic] :
         {std::pair{"&Contents", HelpTopics::contents},
          std::pair{"&Using help", HelpTopics::usingHelp}, std::pair{"Index", HelpTopics::index}}) {
        const QString title = QString::fromUtf8(topic);
        connect(m_helpMenu->addAction(QString::fromUtf8(text)), &QAction::triggered, help,
                [help, title] { help->showHelp(title); });
    }
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(QStringLiteral("Zenodyne on the &Web"))->setEnabled(false);
    m_helpMenu->addSeparator();
    connect(m_helpMenu->addAction(QStringLiteral("&About...")), &QAction::triggered, this,
            &TZenodyneDecMDIFrame::showAbout);
}

void TZenodyneDecMDIFrame::connectOptions()
{
    connect(m_editorMenus->messagesAction(), &QAction::triggered, this, [this] {
        if (TCircuitView *view = activeView())
            view->document().showMessageView();
    });
    connect(m_editorMenus->fontAction(), &QAction::triggered, this,
            &TZenodyneDecMDIFrame::chooseFont);
    connect(m_editorMenus->screenColorsAction(), &QAction::triggered, this,
            [this] { chooseColors(false); });
    connect(m_editorMenus->printingColorsAction(), &QAction::triggered, this,
            [this] { chooseColors(true); });
    connect(m_editorMenus->documentAction(), &QAction::triggered, this,
            &TZenodyneDecMDIFrame::editDocumentOptions);
    connect(m_editorMenus->numericAction(), &QAction::triggered, this,
            &TZenodyneDecMDIFrame::editNumericParameters);
}

TCircuitView *TZenodyneDecMDIFrame::activeView() const
{
    // A subwindow that is closing may still be the active one until it is gone; its document
    // may be gone already.
    auto *child = qobject_cast<TZenodyneMDIChild *>(m_client->activeSubWindow());
    return child && !child->isClosing() ? &child->view() : nullptr;
}

TZenodyneMDIChild *TZenodyneDecMDIFrame::childFor(const TCircuitDocument &document) const
{
    for (QMdiSubWindow *window : m_client->subWindowList()) {
        auto *child = qobject_cast<TZenodyneMDIChild *>(window);
        if (child && !child->isClosing() && &child->view().document() == &document)
            return child;
    }
    return nullptr;
}

MessageView *TZenodyneDecMDIFrame::messageViewFor(const TCircuitDocument &document) const
{
    QMdiSubWindow *window = messageWindowFor(document);
    return window ? static_cast<MessageView *>(window->widget()) : nullptr;
}

QMdiSubWindow *TZenodyneDecMDIFrame::messageWindowFor(const TCircuitDocument &document) const
{
    for (QMdiSubWindow *window : m_client->subWindowList()) {
        const auto *view = qobject_cast<MessageView *>(window->widget());
        if (view && &view->document() == &document)
            return window;
    }
    return nullptr;
}

void TZenodyneDecMDIFrame::showMessageView(TCircuitDocument &document)
{
    QMdiSubWindow *window = messageWindowFor(document);
    if (!window) {
        auto *view = new MessageView(document);
        connect(view, &MessageView::messageChosen, this,
                [this, &document](const QString &text) { showMessageSubject(document, text); });
        window = m_client->addSubWindow(view);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(ShellTexts::messagesCaption(m_app.docManager().title(document)));
        window->show();
        placeUnderCircuitView(document, *window);
    }
    m_client->setActiveSubWindow(window);
    window->raise();
}

// A new message view takes the lower third of the client area and its circuit view the rest,
// so that the messages and the things they name are seen together.
void TZenodyneDecMDIFrame::placeUnderCircuitView(const TCircuitDocument &document,
                                                 QMdiSubWindow &messages)
{
    TZenodyneMDIChild *circuit = childFor(document);
    if (!circuit)
        return;
    const QSize area = m_client->viewport()->size();
    const int split = area.height() * 2 / 3;
    circuit->showNormal();
    messages.showNormal();
    circuit->setGeometry(0, 0, area.width(), split);
    messages.setGeometry(0, split, area.width(), area.height() - split);
}

// A view's own size is three quarters of the client area, one title bar below and to the
// right of the active window, or at the top left when that would leave the area. Over a
// maximized window it opens maximized (the client area does that when it is activated) and
// keeps this size for when it is restored.
void TZenodyneDecMDIFrame::placeBesideActive(QMdiSubWindow &child) const
{
    const QMdiSubWindow *active = m_client->activeSubWindow();
    const QSize area = m_client->viewport()->size();
    const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
    QPoint at;
    if (active) {
        const int step = child.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &child);
        at = active->pos() + QPoint(step, step);
        if (!QRect(QPoint(), area).contains(QRect(at, size)))
            at = QPoint();
    }
    child.setGeometry(QRect(at, size));
}

void TZenodyneDecMDIFrame::showMessageSubject(TCircuitDocument &document, const QString &message)
{
    TZenodyneMDIChild *child = childFor(document);
    if (!child)
        return;
    if (child->view().showThingsNamedIn(message))
        m_client->setActiveSubWindow(child);
}

void TZenodyneDecMDIFrame::showView(TCircuitDocument *document)
{
    document->setCompileMonitor(m_compileDialog);
    document->setMessageViewHook([this](TCircuitDocument &shown) { showMessageView(shown); });
    auto *view = new TCircuitView(*document, m_app.palette(), m_app.clipboard(),
                                  m_app.parameterDialogs(), m_app.drawingSettings());
    auto *child = new TZenodyneMDIChild(view, m_app.docManager());
    m_client->addSubWindow(child);
    connect(view, &TCircuitView::documentChanged, m_editorMenus, &CircuitEditorMenus::update);
    connect(view, &TCircuitView::sheetPointChanged, this, [this](int x, int y) {
        m_sheetPoint->setText(QStringLiteral("%1, %2").arg(x).arg(y));
    });
    connect(view, &TCircuitView::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text, 5000); });
    connect(view, &TCircuitView::valueUnderPointer, this, [this](const QString &text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });
    // The first view fills the client area and follows the frame's size; later ones open as
    // the active one is shown. Restored from maximized, a view keeps a size of its own.
    placeBesideActive(*child);
    if (m_client->subWindowList().size() == 1)
        child->showMaximized();
    else
        child->show();
    m_client->setActiveSubWindow(child);
    view->showSheetStart();
    activeViewChanged();
}

void TZenodyneDecMDIFrame::closeViewsOf(TCircuitDocument *document)
{
    TZenodyneMDIChild *child = childFor(*document);
    if (child && !child->isClosing())
        child->closeWithoutPrompt();
    // The message view goes at once: it listens to the document, which goes next.
    delete messageWindowFor(*document);
}

void TZenodyneDecMDIFrame::activeViewChanged()
{
    m_editorMenus->setActiveView(activeView());
    updateFileMenu();
}

void TZenodyneDecMDIFrame::updateFileMenu()
{
    const bool hasView = activeView() != nullptr;
    for (QAction *action : m_documentActions)
        action->setEnabled(hasView);
}

void TZenodyneDecMDIFrame::updateRecentFiles()
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    const QStringList &files = m_app.recentFiles().files();
    for (int index = 0; index < files.size(); ++index) {
        const QString path = files.at(index);
        QString label = QDir::toNativeSeparators(path);
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *action = new QAction(QStringLiteral("&%1 %2").arg(index + 1).arg(label), m_fileMenu);
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
        m_fileMenu->insertAction(m_exitSeparator, action);
        m_recentActions.append(action);
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void TZenodyneDecMDIFrame::updateWindowList()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = m_client->subWindowList();
    m_windowListSeparator->setVisible(!windows.isEmpty());
    for (int index = 0; index < windows.size(); ++index) {
        QMdiSubWindow *window = windows.at(index);
        QString title = window->windowTitle().replace(QStringLiteral("[*]"), QString());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action
            = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(title));
        action->setCheckable(true);
        action->setChecked(window == m_client->activeSubWindow());
        m_windowListGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, window] { m_client->setActiveSubWindow(window); });
        m_windowListActions.append(action);
    }
}

void TZenodyneDecMDIFrame::openRecent(const QString &path)
{
    if (!m_app.docManager().open(path))
        m_app.recentFiles().remove(path);
}

void TZenodyneDecMDIFrame::fileNew()
{
    m_app.docManager().createNew();
}

void TZenodyneDecMDIFrame::fileOpen()
{
    const QString path
        = m_app.prompts().openFileName(QStringLiteral("Open"), ShellTexts::circuitFilter());
    if (path.isEmpty())
        return;
    if (TCircuitDocument *document = m_app.docManager().open(path)) {
        if (TZenodyneMDIChild *child = childFor(*document))
            m_client->setActiveSubWindow(child);
    }
}

void TZenodyneDecMDIFrame::fileClose()
{
    if (QMdiSubWindow *window = m_client->activeSubWindow())
        window->close();
}

void TZenodyneDecMDIFrame::fileCloseAll()
{
    m_app.docManager().closeAll();
}

void TZenodyneDecMDIFrame::fileSave()
{
    if (TCircuitView *view = activeView())
        m_app.docManager().save(view->document());
}

void TZenodyneDecMDIFrame::fileSaveAs()
{
    if (TCircuitView *view = activeView())
        m_app.docManager().saveAs(view->document());
}

void TZenodyneDecMDIFrame::fileImportNetlist()
{
    const QString path = m_app.prompts().openFileName(QStringLiteral("Import Netlist"),
                                                      ShellTexts::netlistFilter());
    if (path.isEmpty())
        return;
    m_app.docManager().importNetlist(path);
}

void TZenodyneDecMDIFrame::fileExportImages()
{
    if (TCircuitView *view = activeView()) {
        ExportImagesDialog dialog(view->document(), m_app.drawingSettings(), m_app.prompts(), this);
        dialog.exec();
    }
}

void TZenodyneDecMDIFrame::filePrintPreview()
{
    if (TCircuitView *view = activeView())
        PrintCommands::preview(view->document(), m_app.drawingSettings().font(), this);
}

void TZenodyneDecMDIFrame::filePrint()
{
    if (TCircuitView *view = activeView())
        PrintCommands::print(view->document(), m_app.drawingSettings().font(), this);
}

void TZenodyneDecMDIFrame::filePrintSetup()
{
    if (TCircuitView *view = activeView())
        PrintCommands::setup(view->document(), this);
}

void TZenodyneDecMDIFrame::showAbout()
{
    QMessageBox::about(this, QStringLiteral("About Zenodyne"),
                       QStringLiteral("<h3>Zenodyne %1</h3>"
                                      "<p>Analysis of linear analog circuits in the Laplace "
                                      "domain.</p><p>Copyright &copy; the Zenodyne developers. "
                                      "All rights reserved.</p>")
                           .arg(QStringLiteral(ZENODYNE_VERSION)));
}

void TZenodyneDecMDIFrame::chooseFont()
{
    DrawingSettings &settings = m_app.drawingSettings();
    bool confirmed = false;
    const QFont font
        = QFontDialog::getFont(&confirmed, settings.font(), this, QStringLiteral("Font"));
    if (confirmed)
        settings.setFont(font);
}

void TZenodyneDecMDIFrame::chooseColors(bool printer)
{
    ColorListDialog dialog(m_app.drawingSettings(),
                           printer ? ColorListDialog::Set::Printer : ColorListDialog::Set::Screen,
                           this);
    dialog.exec();
}

void TZenodyneDecMDIFrame::editDocumentOptions()
{
    if (TCircuitView *view = activeView()) {
        DocumentOptionsDialog dialog(view->document(), this);
        dialog.exec();
    }
}

void TZenodyneDecMDIFrame::editNumericParameters()
{
    if (TCircuitView *view = activeView()) {
        NumericParametersDialog dialog(view->document(), this);
        dialog.exec();
    }
}

void TZenodyneDecMDIFrame::closeEvent(QCloseEvent *event)
{
    if (!m_app.docManager().closeAll()) {
        event->ignore();
        return;
    }
    savePlacement();
    // A help window left open would keep the program running without its main window.
    m_app.helpViewer().closeHelp();
    event->accept();
}

void TZenodyneDecMDIFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TZenodyneDecMDIFrame::dropEvent(QDropEvent *event)
{
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            m_app.docManager().open(url.toLocalFile());
    }
    event->acceptProposedAction();
}

void TZenodyneDecMDIFrame::restorePlacement()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const WindowPlacement placement
        = WindowPlacement::read(IniFile::load(FilePaths::toPath(m_app.iniPath())))
              .onScreen({screenSize.width(), screenSize.height()});
    move(placement.x, placement.y);
    resize(placement.width, placement.height);
    m_startMaximized = placement.maximized;
}

void TZenodyneDecMDIFrame::showAsPlaced()
{
    if (m_startMaximized)
        showMaximized();
    else
        show();
}

void TZenodyneDecMDIFrame::savePlacement()
{
    const QRect normal = isMaximized() ? normalGeometry() : QRect(pos(), size());
    WindowPlacement placement;
    placement.x = normal.x();
    placement.y = normal.y();
    placement.width = normal.width();
    placement.height = normal.height();
    placement.maximized = isMaximized();
    IniFile ini = IniFile::load(FilePaths::toPath(m_app.iniPath()));
    placement.write(ini);
    (void)ini.save(FilePaths::toPath(m_app.iniPath()));
}
