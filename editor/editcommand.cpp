#include "editcommand.h"

const char *editCommandText(EditCommand command)
{
    switch (command) {
    case EditCommand::Undo:
        return "&Undo\tCtrl+Z";
    case EditCommand::Redo:
        return "&Redo\tCtrl+Shift+Z";
    case EditCommand::Cut:
        return "Cu&t\tCtrl+X";
    case EditCommand::Copy:
        return "&Copy\tCtrl+C";
    case EditCommand::Paste:
        return "&Paste\tCtrl+V";
    case EditCommand::Duplicate:
        return "&Duplicate\tCtrl+D";
    case EditCommand::Delete:
        return "D&elete\tDelete";
    case EditCommand::SelectAll:
        return "Select &All\tCtrl+L";
    case EditCommand::ComponentNames:
        return "Component Names";
    case EditCommand::ComponentValues:
        return "Component Values";
    }
    return "";
}
