#include "indepsource.h"

#include <model/namesidedialogdata.h>
#include <model/parameterdialogs.h>

#include <common/ipstream.h>
#include <common/opstream.h>

bool IndepSource::editParameters(ParameterDialogs &dialogs)
{
    return runParameterDialog(dialogs, &ParameterDialogs::indepSrcDialog, *this);
}

ZENODYNE_BASE_RECORD(IndepSource, Component)
