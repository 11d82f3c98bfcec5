#include "command.h"

#include "commanderror.h"

#include <ostream>

int runCommand(const Command &command, std::ostream &out, std::ostream &err)
{
    try {
        return command(out, err);
    } catch (const CommandError &error) {
        err << "Error: " << error.what() << "\n";
        return ExitStatus::failure;
    }
}
