#pragma once

#include <editor/cursormode.h>
#include <editor/paletteentry.h>

#include <memory>
#include <vector>

class PaletteListener;

// The palette shared by all circuit views: the cursor mode and the prototype, the thing the
// next insertion places. Choosing a thing entry makes a fresh prototype and switches to insert
// mode; every insertion takes the prototype and the entry's creation routine makes the next
// one, so that the prototype always has default values. The palette starts in select mode
// with a wire as the prototype.
class Palette
{
public:
    Palette();
    Palette(const Palette &) = delete;
    Palette &operator=(const Palette &) = delete;
    ~Palette();

    CursorMode mode() const { return m_mode; }
    // The entry last chosen, which the toolbar shows pressed.
    PaletteEntry chosenEntry() const { return m_chosen; }
    // The thing entry whose creation routine makes the prototype.
    PaletteEntry thingEntry() const { return m_thingEntry; }
    const CircThing &prototype() const { return *m_prototype; }

    // A thing entry renews the prototype and selects insert mode; the select cursor selects
    // select mode, the insert cursor insert mode with the prototype kept.
    void choose(PaletteEntry entry);
    // Chooses the entry of a shortcut letter (either case); answers false for another key.
    bool chooseByShortcut(char key);
    // Hands the prototype to an insertion and makes the next one.
    std::unique_ptr<CircThing> takePrototype();

    void addListener(PaletteListener &listener);
    void removeListener(PaletteListener &listener);

private:
    void renewPrototype();
    void notifyListeners();

    CursorMode m_mode = CursorMode::Select;
    PaletteEntry m_chosen = PaletteEntry::SelectCursor;
    PaletteEntry m_thingEntry = PaletteEntry::Wire;
    std::unique_ptr<CircThing> m_prototype;
    std::vector<PaletteListener *> m_listeners;
};
