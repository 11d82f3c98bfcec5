#include "editmenuitem.h"

#include <model/tcircuitdocument.h>

namespace {

EditMenuItem menuItem(std::string_view verb, std::string_view accelerator,
                      std::optional<std::string_view> name)
{
    EditMenuItem item;
    item.enabled = name.has_value();
    item.hint = std::string(verb);
    if (name)
        item.hint += " " + std::string(*name);
    item.text = item.hint + "\t" + std::string(accelerator);
    return item;
}

} // namespace

EditMenuItem undoMenuItem(const TCircuitDocument &document)
{
    return menuItem("Undo", "Ctrl+Z", document.undoName());
}

EditMenuItem redoMenuItem(const TCircuitDocument &document)
{
    return menuItem("Redo", "Ctrl+Shift+Z", document.redoName());
}
