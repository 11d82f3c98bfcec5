#pragma once

#include <model/fwd.h>

#include <string>

// The Undo or Redo item of the Edit menu as the document's history makes it: enabled while
// there is an entry to undo or redo, its text naming that entry ("Undo Move\tCtrl+Z"), and the
// hint shown for it.
struct EditMenuItem
{
    bool enabled = false;
    std::string text;
    std::string hint;
};

EditMenuItem undoMenuItem(const TCircuitDocument &document);
EditMenuItem redoMenuItem(const TCircuitDocument &document);
