#include "twbhdecframe.h"

#include "thelptree.h"

#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {

constexpr int frameWidth = 1080;
constexpr int frameHeight = 720;

} // namespace

TWBHDecFrame::TWBHDecFrame(const QString &helpFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_tree(new THelpTree)
    , m_display(new QTextBrowser)
    , m_panes(new QSplitter(Qt::Horizontal, this))
{
    setWindowTitle(QStringLiteral("Zenodyne Help"));
    auto *toolBar = addToolBar(QStringLiteral("Toolbar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setUnifiedTitleAndToolBarOnMac(true);

    m_goBack = addButton(QStringLiteral("Go Back\nGo Back"), QStyle::SP_ArrowBack);
    m_goForward = addButton(QStringLiteral("Go Forward\nGo Forward"), QStyle::SP_ArrowForward);
    m_refresh = addButton(QStringLiteral("Refresh\nRefresh"), QStyle::SP_BrowserReload);
    m_previousPage = addButton(QStringLiteral("Previous Page\nPrevious Page"), QStyle::SP_ArrowUp);
    m_nextPage = addButton(QStringLiteral("Next Page\nNext Page"), QStyle::SP_ArrowDown);
    toolBar->addAction(m_goBack);
    toolBar->addAction(m_goForward);
    toolBar->addAction(m_refresh);
    toolBar->addSeparator();
    toolBar->addAction(m_previousPage);
    toolBar->addAction(m_nextPage);

    connect(m_goBack, &QAction::triggered, m_display, &QTextBrowser::backward);
    connect(m_goForward, &QAction::triggered, m_display, &QTextBrowser::forward);
    connect(m_refresh, &QAction::triggered, m_display, &QTextBrowser::reload);
    connect(m_previousPage, &QAction::triggered, m_tree, &THelpTree::previousPage);
    connect(m_nextPage, &QAction::triggered, m_tree, &THelpTree::nextPage);
    connect(m_display, &QTextBrowser::backwardAvailable, m_goBack, &QAction::setEnabled);
    connect(m_display, &QTextBrowser::forwardAvailable, m_goForward, &QAction::setEnabled);
    connect(m_display, &QTextBrowser::sourceChanged, this, [this](const QUrl &url) {
        if (url.isLocalFile())
            m_tree->followPage(url.toLocalFile());
        m_refresh->setEnabled(!url.isEmpty());
        updateButtons();
    });
    connect(m_tree, &THelpTree::pageRequested, this, &TWBHDecFrame::loadPage);
    connect(m_tree, &THelpTree::selectionMoved, this, &TWBHDecFrame::updateButtons);

    m_display->setOpenLinks(true);
    m_display->setOpenExternalLinks(true);
    m_panes->addWidget(m_tree);
    m_panes->addWidget(m_display);
    m_panes->setStretchFactor(0, 1);
    m_panes->setStretchFactor(1, 3);
    m_panes->setChildrenCollapsible(false);
    setCentralWidget(m_panes);
    statusBar();
    resize(frameWidth, frameHeight);
    m_panes->setSizes({frameWidth / 4, frameWidth - frameWidth / 4});

    m_tree->fill(helpFolder);
    if (m_tree->isEmpty())
        m_display->setHtml(
            QStringLiteral("<h2>Zenodyne Help</h2><p>The help pages were not found. They belong "
                           "in the folder <tt>%1</tt>.</p>")
                .arg(helpFolder.toHtmlEscaped()));
    for (QAction *action : {m_goBack, m_goForward, m_refresh})
        action->setEnabled(false);
    updateButtons();
}

QAction *TWBHDecFrame::addButton(const QString &hint, int icon)
{
    const QStringList parts = hint.split(QLatin1Char('\n'));
    auto *action = new QAction(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)),
                               parts.first(), this);
    action->setStatusTip(parts.first());
    action->setToolTip(parts.last());
    return action;
}

void TWBHDecFrame::showTopic(const QString &title)
{
    m_tree->showTopic(title);
}

void TWBHDecFrame::loadPage(const QString &path)
{
    if (path.isEmpty())
        return;
    m_display->setSource(QUrl::fromLocalFile(path));
}

void TWBHDecFrame::updateButtons()
{
    m_previousPage->setEnabled(m_tree->canGoPrevious());
    m_nextPage->setEnabled(m_tree->canGoNext());
}
