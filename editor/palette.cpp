#include "palette.h"

#include "palettelistener.h"

#include <model/circthing.h>

#include <algorithm>
#include <cctype>

Palette::Palette()
{
    renewPrototype();
}

Palette::~Palette() = default;

void Palette::choose(PaletteEntry entry)
{
    m_chosen = entry;
    if (entry == PaletteEntry::SelectCursor) {
        m_mode = CursorMode::Select;
    } else {
        m_mode = CursorMode::Insert;
        if (paletteEntryInfo(entry).createsThing()) {
            m_thingEntry = entry;
            renewPrototype();
        }
    }
    notifyListeners();
}

bool Palette::chooseByShortcut(char key)
{
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (letter == 0)
        return false;
    for (const PaletteEntryInfo &info : paletteEntries()) {
        if (info.shortcut == letter) {
            choose(info.entry);
            return true;
        }
    }
    return false;
}

std::unique_ptr<CircThing> Palette::takePrototype()
{
    std::unique_ptr<CircThing> taken = std::move(m_prototype);
    renewPrototype();
    return taken;
}

void Palette::addListener(PaletteListener &listener)
{
    m_listeners.push_back(&listener);
}

void Palette::removeListener(PaletteListener &listener)
{
    std::erase(m_listeners, &listener);
}

void Palette::renewPrototype()
{
    m_prototype = createPaletteThing(m_thingEntry);
}

void Palette::notifyListeners()
{
    for (PaletteListener *listener : std::vector(m_listeners))
        listener->paletteChanged();
}
