#include "tpelemparam.h"

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

Pen TPElemParam::pen() const
{
    static constexpr PenStyle styles[]
        = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot};
    const bool known = style >= 0 && style < static_cast<std::int32_t>(styleNames.size());
    return Pen{colour, 1, known ? styles[style] : PenStyle::Solid};
}

void TPElemParam::recomputeMarkers(const Graphable &curve)
{
    for (GraphMarker &marker : markers)
        marker.recompute(curve);
}

bool TPElemParam::operator==(const TPElemParam &other) const
{
    if (!(title == other.title && colour == other.colour && style == other.style
          && shown == other.shown && leftAxis == other.leftAxis
          && markers.count() == other.markers.count()))
        return false;
    for (int i = 0; i < markers.count(); ++i) {
        if (!(markers[i] == other.markers[i]))
            return false;
    }
    return true;
}

void TPElemParam::write(opstream &os) const
{
    os.writeObject(title);
    os.writeWord32(colour.packed());
    os.writeInt32(style);
    os.writeBool32(shown);
    os.writeBool32(leftAxis);
    os.writeWord32(static_cast<std::uint32_t>(markers.count()));
    for (const GraphMarker &marker : markers)
        os.writeObject(marker);
}

void TPElemParam::read(ipstream &is, std::uint32_t version)
{
    is.readObject(title);
    colour = Color::fromPacked(is.readWord32());
    style = is.readInt32();
    shown = is.readBool32();
    leftAxis = version >= 2 ? is.readBool32() : true;
    markers.clear();
    const std::uint32_t count = is.readCount(StreamFormat::minimumObjectBytes);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        GraphMarker marker;
        if (is.readObject(marker))
            markers.append(marker);
    }
}
