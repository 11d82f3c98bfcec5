#include "circuiteditormenus.h"

#include "tcircuitview.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

CircuitEditorMenus::CircuitEditorMenus(QMenuBar &menuBar, QAction *insertBefore, QObject *parent)
    : QObject(parent)
{
    m_edit = new QMenu(QStringLiteral("&Edit"), &menuBar);
    menuBar.insertMenu(insertBefore, m_edit);
    addEditCommands(m_edit);
    createViewMenu(menuBar, insertBefore);
    createOptionsMenu(menuBar, insertBefore);
    createContextMenu(menuBar);
    for (QMenu *menu : {m_edit, m_viewMenu, m_options, m_context})
        connect(menu, &QMenu::aboutToShow, this, &CircuitEditorMenus::update);
    update();
}

QAction *CircuitEditorMenus::addCommand(QMenu *menu, EditCommand command,
                                        const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text(editCommandText(command)));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, command] {
        if (m_view)
            m_view->run(command);
        update();
    });
    return action;
}

void CircuitEditorMenus::addEditCommands(QMenu *menu)
{
    // The menu bar's items own the shortcuts; the pop-up menu shows the same actions.
    m_commands[EditCommand::Undo] = addCommand(menu, EditCommand::Undo, QKeySequence("Ctrl+Z"));
    m_commands[EditCommand::Redo]
        = addCommand(menu, EditCommand::Redo, QKeySequence("Ctrl+Shift+Z"));
    menu->addSeparator();
    m_commands[EditCommand::Cut] = addCommand(menu, EditCommand::Cut, QKeySequence("Ctrl+X"));
    m_commands[EditCommand::Copy] = addCommand(menu, EditCommand::Copy, QKeySequence("Ctrl+C"));
    m_commands[EditCommand::Paste] = addCommand(menu, EditCommand::Paste, QKeySequence("Ctrl+V"));
    m_commands[EditCommand::Duplicate]
        = addCommand(menu, EditCommand::Duplicate, QKeySequence("Ctrl+D"));
    m_commands[EditCommand::Delete]
        = addCommand(menu, EditCommand::Delete, QKeySequence(Qt::Key_Delete));
    m_commands[EditCommand::SelectAll]
        = addCommand(menu, EditCommand::SelectAll, QKeySequence("Ctrl+L"));
}

void CircuitEditorMenus::createViewMenu(QMenuBar &menuBar, QAction *insertBefore)
{
    m_viewMenu = new QMenu(QStringLiteral("&View"), &menuBar);
    menuBar.insertMenu(insertBefore, m_viewMenu);
    for (const EditCommand command : {EditCommand::ComponentNames, EditCommand::ComponentValues}) {
        QAction *action = addCommand(m_viewMenu, command, {});
        action->setCheckable(true);
        m_commands[command] = action;
    }
    m_viewMenu->addSeparator();
    m_messages = m_viewMenu->addAction(QStringLiteral("&Messages"));
    m_viewMenu->addSeparator();
    m_zoomIn = m_viewMenu->addAction(QStringLiteral("Zoom &In\tCtrl+="));
    m_zoomIn->setShortcuts({QKeySequence("Ctrl+="), QKeySequence("Ctrl++")});
    m_zoomOut = m_viewMenu->addAction(QStringLiteral("Zoom &Out\tCtrl+-"));
    m_zoomOut->setShortcut(QKeySequence("Ctrl+-"));
    m_zoomFit = m_viewMenu->addAction(QStringLiteral("&Fit to Window\tCtrl+0"));
    m_zoomFit->setShortcut(QKeySequence("Ctrl+0"));
    connect(m_zoomIn, &QAction::triggered, this, [this] {
        if (m_view)
            m_view->zoomIn();
    });
    connect(m_zoomOut, &QAction::triggered, this, [this] {
        if (m_view)
            m_view->zoomOut();
    });
    connect(m_zoomFit, &QAction::triggered, this, [this] {
        if (m_view)
            m_view->zoomToFit();
    });
}

void CircuitEditorMenus::createOptionsMenu(QMenuBar &menuBar, QAction *insertBefore)
{
    m_options = new QMenu(QStringLiteral("&Options"), &menuBar);
    menuBar.insertMenu(insertBefore, m_options);
    m_font = m_options->addAction(QStringLiteral("Font..."));
    m_screenColors = m_options->addAction(QStringLiteral("Screen Colors..."));
    m_printingColors = m_options->addAction(QStringLiteral("Printing Colors..."));
    m_options->addSeparator();
    m_documentOptions = m_options->addAction(QStringLiteral("Document..."));
    m_numeric = m_options->addAction(QStringLiteral("Numeric..."));
}

void CircuitEditorMenus::createContextMenu(QMenuBar &menuBar)
{
    m_context = new QMenu(&menuBar);
    QMenu *object = m_context->addMenu(text(objectMenuTitle));
    for (const ObjectCommand command : {ObjectCommand::Parameters, ObjectCommand::ExtendedView,
                                        ObjectCommand::ExportData, ObjectCommand::Help}) {
        if (command == ObjectCommand::Help)
            object->addSeparator();
        QAction *action = object->addAction(text(objectCommandText(command)));
        connect(action, &QAction::triggered, this, [this, command] {
            if (!m_view)
                return;
            m_view->run(command);
            if (command != ObjectCommand::Help)
                return;
            if (const std::optional<std::string> topic = m_view->editor().helpTopic())
                emit helpRequested(QString::fromStdString(*topic));
        });
        m_objectCommands[command] = action;
    }
    m_context->addActions(m_edit->actions());
}

void CircuitEditorMenus::setActiveView(TCircuitView *view)
{
    m_view = view;
    if (m_view)
        m_view->setContextMenu(m_context);
    update();
}

void CircuitEditorMenus::update()
{
    const bool active = m_view != nullptr;
    for (QMenu *menu : {m_edit, m_viewMenu, m_options})
        menu->menuAction()->setVisible(active);
    for (const auto &[command, action] : m_commands) {
        if (!active) {
            action->setEnabled(false);
            continue;
        }
        const CircuitEditor &editor = m_view->editor();
        const EditMenuItem item = editor.menuItem(command);
        action->setText(QString::fromStdString(item.text));
        action->setStatusTip(QString::fromStdString(item.hint));
        action->setEnabled(item.enabled);
        if (action->isCheckable())
            action->setChecked(editor.isChecked(command));
    }
    for (const auto &[command, action] : m_objectCommands)
        action->setEnabled(active && m_view->editor().isEnabled(command));
    for (QAction *action : {m_messages, m_zoomIn, m_zoomOut, m_zoomFit, m_font, m_screenColors,
                            m_printingColors, m_documentOptions, m_numeric})
        action->setEnabled(active);
}
