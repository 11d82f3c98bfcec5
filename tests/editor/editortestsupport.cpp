#include "editortestsupport.h"

#include <editor/sheetthings.h>

bool CountingDialogs::passCompDialog(PassCompDialogData &data)
{
    ++opened;
    if (confirmedValue.empty())
        return false;
    data.value = confirmedValue;
    return true;
}

void EditorBench::drag(Point from, Point to, bool shift)
{
    editor.press(from, shift);
    editor.move(to, shift);
    editor.release(to, shift);
}

std::vector<std::string> EditorBench::componentPlaces() const
{
    std::vector<std::string> places;
    for (const Component *component : sketch.document.components()) {
        const Point a = component->firstPoint();
        const Point b = component->secondPoint();
        places.push_back("(" + std::to_string(a.x) + "," + std::to_string(a.y) + ")-("
                         + std::to_string(b.x) + "," + std::to_string(b.y) + ")");
    }
    return places;
}

std::string EditorBench::selectionPattern() const
{
    std::string pattern;
    forEachSheetThing(sketch.document,
                      [&](const CircThing &thing) { pattern += thing.isSelected() ? '1' : '0'; });
    return pattern;
}
