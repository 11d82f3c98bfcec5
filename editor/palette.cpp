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
    // A listener may go while the others are told; only those still listening hear of it.
    const std::vector<PaletteListener *> listeners = m_listeners;
    for (PaletteListener *listener : listeners) {
        if (std::ranges::find(m_listeners, listener) != m_listeners.end())
            listener->paletteChanged();
    }
}
