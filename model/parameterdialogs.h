#pragma once

#include <model/depsrcdialogdata.h>
#include <model/namesidedialogdata.h>
#include <model/passcompdialogdata.h>
#include <model/textboxeditordata.h>

class ToolDialogs;

// The parameter dialogs of the circuit objects, as the front end provides them. Each dialog
// shows the data it is given, lets the user change it and answers true for OK (the data then
// holds what the user entered) or false for Cancel. The things fill the data before and
// apply it after a confirmed dialog.
class ParameterDialogs
{
public:
    virtual ~ParameterDialogs() = default;

    // "Component Parameters": resistors, capacitors and inductors.
    virtual bool passCompDialog(PassCompDialogData &data) = 0;
    // "Independent Source Parameters": voltage and current sources.
    virtual bool indepSrcDialog(NameSideDialogData &data) = 0;
    // "Dependent Source Parameters": dependent voltage and current sources.
    virtual bool depSrcDialog(DepSrcDialogData &data) = 0;
    // "Label Parameters": voltage and current tags.
    virtual bool circTagDialog(NameSideDialogData &data) = 0;
    // "Text Box Editor": the rich text of a text block.
    virtual bool textBoxEditor(TextBoxEditorData &data) = 0;
    // The dialogs of the analysis tools; a front end without them answers null, and the tools
    // then keep their parameters.
    virtual ToolDialogs *toolDialogs() { return nullptr; }

protected:
    ParameterDialogs() = default;
};

// Runs one of the dialogs on a thing: fills the dialog's data from the thing and, when the user
// confirms, applies it. Answers whether the user confirmed.
template<typename Data, typename Thing>
bool runParameterDialog(ParameterDialogs &dialogs, bool (ParameterDialogs::*dialog)(Data &),
                        Thing &thing)
{
    Data data = Data::from(thing);
    if (!(dialogs.*dialog)(data))
        return false;
    data.applyTo(thing);
    return true;
}
