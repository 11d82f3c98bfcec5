#pragma once

#include <editor/editcommand.h>
#include <editor/objectcommand.h>

#include <QObject>

#include <map>

class QAction;
class QMenu;
class QMenuBar;
class TCircuitView;

// The menus that a circuit view brings into the menu bar while it is active — Edit, View and
// Options — and the view's pop-up menu (the "Object" sub-menu, then the edit commands). The
// commands act on the active view; texts, checks and enabled states follow it.
class CircuitEditorMenus : public QObject
{
    Q_OBJECT

public:
    CircuitEditorMenus(QMenuBar &menuBar, QAction *insertBefore, QObject *parent = nullptr);

    void setActiveView(TCircuitView *view);
    TCircuitView *activeView() const { return m_view; }
    // Shows the menus while a view is active and brings every item up to date.
    void update();

    QMenu *editMenu() const { return m_edit; }
    QMenu *viewMenu() const { return m_viewMenu; }
    QMenu *optionsMenu() const { return m_options; }
    QMenu *contextMenu() const { return m_context; }
    QAction *action(EditCommand command) const { return m_commands.at(command); }

    QAction *messagesAction() const { return m_messages; }
    QAction *fontAction() const { return m_font; }
    QAction *screenColorsAction() const { return m_screenColors; }
    QAction *printingColorsAction() const { return m_printingColors; }
    QAction *documentAction() const { return m_documentOptions; }
    QAction *numericAction() const { return m_numeric; }

signals:
    // "&Help" of the pop-up menu: the help-topic title of the first selected thing.
    void helpRequested(const QString &title);

private:
    QAction *addCommand(QMenu *menu, EditCommand command, const QKeySequence &shortcut);
    void addEditCommands(QMenu *menu);
    void createViewMenu(QMenuBar &menuBar, QAction *insertBefore);
    void createOptionsMenu(QMenuBar &menuBar, QAction *insertBefore);
    void createContextMenu(QMenuBar &menuBar);

    TCircuitView *m_view = nullptr;
    QMenu *m_edit = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_options = nullptr;
    QMenu *m_context = nullptr;
    std::map<EditCommand, QAction *> m_commands;
    std::map<ObjectCommand, QAction *> m_objectCommands;
    QAction *m_messages = nullptr;
    QAction *m_zoomIn = nullptr;
    QAction *m_zoomOut = nullptr;
    QAction *m_zoomFit = nullptr;
    QAction *m_font = nullptr;
    QAction *m_screenColors = nullptr;
    QAction *m_printingColors = nullptr;
    QAction *m_documentOptions = nullptr;
    QAction *m_numeric = nullptr;
};
