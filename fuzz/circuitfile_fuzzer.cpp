// Feeds arbitrary bytes to the circuit file reader. Whatever it accepts must draw, and must save
// and read back to the same bytes.

#include <model/circuitfile.h>
#include <model/tcircuitdocument.h>
#include <tools/persistentclasses.h>

#include <common/drawsurface.h>
#include <common/ipstream.h>
#include <common/opstream.h>

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

// A surface that draws nothing and measures text like a fixed-width font.
class NullSurface : public DrawSurface
{
public:
    void setPen(const Pen &) override {}
    void setBrush(const Brush &) override {}
    void setTextColor(const Color &) override {}
    void drawLine(Point, Point) override {}
    void drawRect(const Rect &) override {}
    void drawEllipse(const Rect &) override {}
    void drawPolyline(std::span<const Point>) override {}
    void drawText(Point, std::string_view, TextHAlign, TextVAlign) override {}
    Size textExtent(std::string_view text) const override
    {
        return {static_cast<std::int32_t>(text.size()) * 8, 16};
    }
    TextMetrics textMetrics() const override { return {16, 13, 3, 8, 400}; }
};

std::vector<std::uint8_t> saved(const TCircuitDocument &document)
{
    opstream os;
    CircuitFile::write(document, os);
    return os.takeBytes();
}

template<typename T>
void drawAll(const MPtrArray<T> &things, DrawSurface &surface)
{
    for (const T *thing : things)
        thing->draw(surface);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    registerPersistentClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TCircuitDocument document;
    ipstream is(std::span<const std::uint8_t>(data, size));
    CircuitFile::read(document, is);

    NullSurface surface;
    drawAll(document.components(), surface);
    drawAll(document.tags(), surface);
    drawAll(document.tools(), surface);

    const std::vector<std::uint8_t> bytes = saved(document);
    TCircuitDocument again;
    ipstream reread(bytes);
    CircuitFile::read(again, reread);
    if (!reread.good() || saved(again) != bytes)
        std::abort();
    return 0;
}
