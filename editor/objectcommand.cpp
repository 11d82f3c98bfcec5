#include "objectcommand.h"

const char *objectCommandText(ObjectCommand command)
{
    switch (command) {
    case ObjectCommand::Parameters:
        return "Parameters...";
    case ObjectCommand::ExtendedView:
        return "Extended View...";
    case ObjectCommand::ExportData:
        return "Export Data...";
    case ObjectCommand::Help:
        return "&Help";
    }
    return "";
}
