#pragma once

#include <model/circthing.h>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// Things read from a file in order, of which only the last on each place is kept, as adding
// them one by one to the document leaves it (a later thing replaces one on the same two
// points). The places are looked up in a map, so that reading a large circuit stays linear
// where a walk over the list for each thing would not. Components share a place also with
// their points swapped; tags only in the same order.
template<typename Thing>
class LastOnPlace
{
public:
    explicit LastOnPlace(bool eitherWay)
        : m_eitherWay(eitherWay)
    {
    }

    void add(std::unique_ptr<Thing> thing)
    {
        const auto [known, inserted] = m_places.emplace(placeOf(*thing), m_things.size());
        if (!inserted) {
            m_things[known->second].reset();
            known->second = m_things.size();
        }
        m_things.push_back(std::move(thing));
    }

    // The kept things in the order of their adding.
    std::vector<std::unique_ptr<Thing>> take()
    {
        std::vector<std::unique_ptr<Thing>> kept;
        for (std::unique_ptr<Thing> &thing : m_things) {
            if (thing)
                kept.push_back(std::move(thing));
        }
        m_things.clear();
        m_places.clear();
        return kept;
    }

private:
    using Place = std::array<std::int32_t, 4>;

    Place placeOf(const Thing &thing) const
    {
        const Place forward{thing.firstPoint().x, thing.firstPoint().y, thing.secondPoint().x,
                            thing.secondPoint().y};
        const Place backward{forward[2], forward[3], forward[0], forward[1]};
        return m_eitherWay && backward < forward ? backward : forward;
    }

    bool m_eitherWay;
    std::vector<std::unique_ptr<Thing>> m_things;
    std::map<Place, std::size_t> m_places;
};
