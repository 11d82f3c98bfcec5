#pragma once

// What a press of the left button does on the sheet: select and drag things, or insert the
// palette's prototype.
enum class CursorMode { Select, Insert };
