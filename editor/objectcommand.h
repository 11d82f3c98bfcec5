#pragma once

// The entries of the "Object" sub-menu of the circuit view's pop-up menu.
enum class ObjectCommand { Parameters, ExtendedView, ExportData, Help };

inline constexpr const char *objectMenuTitle = "Object";

// "Parameters...", "Extended View...", "Export Data...", "&Help".
const char *objectCommandText(ObjectCommand command);
