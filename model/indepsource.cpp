#include "indepsource.h"

#include <model/namesidedialogdata.h>
#include <model/parameterdialogs.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <string>

bool IndepSource::editParameters(ParameterDialogs &dialogs)
{
    return runParameterDialog(dialogs, &ParameterDialogs::indepSrcDialog, *this);
}

// The class title (Voltage Source, Current Source) names the source in the messages.
void IndepSource::check()
{
    const std::string kind = helpTopicTitle();
    if (!name().normalizeAndCheckName())
        report(kind + " has no valid name");
    if (isShortedOrOpen())
        report(kind + " %s is directly shorted or is not loaded");
}

ZENODYNE_BASE_RECORD(IndepSource, Component)
