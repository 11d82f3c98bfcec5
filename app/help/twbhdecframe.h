#pragma once

#include <QMainWindow>

class QAction;
class QSplitter;
class QTextBrowser;
class THelpTree;

// The help frame "Zenodyne Help": a toolbar (Go Back, Go Forward, Refresh, Previous Page, Next
// Page) over the contents tree and the page display, split at a quarter of the width. The
// display keeps its own history of pages for Back and Forward; following a link in a page
// selects that page's entry in the tree.
class TWBHDecFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit TWBHDecFrame(const QString &helpFolder, QWidget *parent = nullptr);

    THelpTree &tree() const { return *m_tree; }
    QTextBrowser &display() const { return *m_display; }
    QSplitter &panes() const { return *m_panes; }
    QAction *goBackAction() const { return m_goBack; }
    QAction *goForwardAction() const { return m_goForward; }
    QAction *refreshAction() const { return m_refresh; }
    QAction *previousPageAction() const { return m_previousPage; }
    QAction *nextPageAction() const { return m_nextPage; }

    // Selects the topic's entry and loads its page; an unknown title changes nothing.
    void showTopic(const QString &title);
    // Loads the page at the path; nothing happens for an empty path.
    void loadPage(const QString &path);

private:
    QAction *addButton(const QString &hint, int icon);
    void updateButtons();

    THelpTree *m_tree;
    QTextBrowser *m_display;
    QSplitter *m_panes;
    QAction *m_goBack = nullptr;
    QAction *m_goForward = nullptr;
    QAction *m_refresh = nullptr;
    QAction *m_previousPage = nullptr;
    QAction *m_nextPage = nullptr;
};
