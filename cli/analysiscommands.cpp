#include "analysiscommands.h"

#include "bodecommand.h"
#include "evalcommand.h"
#include "exportcommand.h"
#include "responsecommand.h"
#include "tfcommand.h"

void addAnalysisCommands(CLI::App &app, Command &command)
{
    addTfCommand(app, command);
    addBodeCommand(app, command);
    addResponseCommand(app, command);
    addEvalCommand(app, command);
    addExportCommand(app, command);
}
