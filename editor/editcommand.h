#pragma once

// The commands of the circuit view's Edit and View menus.
enum class EditCommand {
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Duplicate,
    Delete,
    SelectAll,
    ComponentNames,
    ComponentValues,
};

// The menu text with its mnemonic and, after the tab, the shortcut ("Cu&t\tCtrl+X"). Undo and
// Redo answer their text while disabled; the editor's menu items name the entry to undo.
const char *editCommandText(EditCommand command);
