#pragma once

#include <common/ipstream.h>
#include <common/mptrarray.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <cstdint>
#include <memory>
#include <string>

// The lists of things as the circuit file and the clipboard store them: a count, then one
// object pointer per thing in list order.
namespace ThingRecords {

// A thing is at least a pointer byte and a full object.
inline constexpr std::size_t minimumThingBytes = 1 + StreamFormat::minimumObjectBytes;

template<typename T>
void writeList(opstream &os, const MPtrArray<T> &list)
{
    os.writeWord32(static_cast<std::uint32_t>(list.count()));
    for (const T *thing : list)
        os.writePointer(thing);
}

// Reads a counted list of things and hands each to add. An empty pointer is not something this
// program writes: it ends the list as damage.
template<typename T, typename Add>
void readList(ipstream &is, const char *kind, Add add)
{
    const std::uint32_t count = is.readCount(minimumThingBytes);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        std::unique_ptr<T> thing = is.readOwnedPointer<T>();
        if (!thing) {
            if (is.good())
                is.fail(std::string("empty ") + kind + " entry");
            return;
        }
        add(std::move(thing));
    }
}

} // namespace ThingRecords
