#include <editor/circuiteditor.h>
#include <editor/editorclipboard.h>
#include <editor/palette.h>

#include <tools/persistentclasses.h>

#include <model/capacitor.h>
#include <model/parameterdialogs.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>
#include <model/wire.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// Draws nothing; only the cost of walking the sheet and of the symbols' own drawing code
// remains.
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

class NoClipboard : public EditorClipboard
{
public:
    bool hasCircuitObjects() const override { return false; }
    std::vector<std::uint8_t> circuitObjects() const override { return {}; }
    void setCircuitObjects(std::span<const std::uint8_t>) override {}
};

class CancelDialogs : public ParameterDialogs
{
public:
    bool passCompDialog(PassCompDialogData &) override { return false; }
    bool indepSrcDialog(NameSideDialogData &) override { return false; }
    bool depSrcDialog(DepSrcDialogData &) override { return false; }
    bool circTagDialog(NameSideDialogData &) override { return false; }
    bool textBoxEditor(TextBoxEditorData &) override { return false; }
};

template<typename T>
void place(TCircuitDocument &document, Point a, Point b, const std::string &name)
{
    auto thing = std::make_unique<T>();
    thing->place(a, b, &document);
    thing->setName(labelUnit(name));
    if constexpr (std::is_same_v<T, VoltageTag>)
        document.appendTag(std::move(thing));
    else
        document.appendComponent(std::move(thing));
}

// 2,000 things in 50 columns of 40 rows, 120 sheet units apart: resistors, capacitors, wires
// and voltage tags in turn, on grid points. The sheet is 6,000 x 4,800 units.
void buildSheet(TCircuitDocument &document)
{
    document.openNew();
    for (int column = 0; column < 50; ++column) {
        for (int row = 0; row < 40; ++row) {
            const Point a{10 + column * 120, 10 + row * 120};
            const Point b{a.x + 80, a.y};
            const std::string name = std::to_string(column * 40 + row);
            switch ((column + row) % 4) {
            case 0:
                place<Resistor>(document, a, b, "R" + name);
                break;
            case 1:
                place<Capacitor>(document, a, b, "C" + name);
                break;
            case 2:
                place<Wire>(document, a, b, "");
                break;
            default:
                place<VoltageTag>(document, a, b, "v" + name);
                break;
            }
        }
    }
}

struct Sheet
{
    Sheet() { buildSheet(document); }

    TCircuitDocument document;
    Palette palette;
    NoClipboard clipboard;
    CancelDialogs dialogs;
    CircuitEditor editor{document, palette, clipboard, dialogs};
    NullSurface surface;
};

// A repaint of the whole sheet (every thing visible, as after a fit).
void BM_PaintWholeSheet(benchmark::State &state)
{
    Sheet sheet;
    for (auto _ : state)
        sheet.editor.paint(sheet.surface, Rect{0, 0, 6000, 4800});
    state.counters["things"] = sheet.document.thingCount();
}
BENCHMARK(BM_PaintWholeSheet)->Unit(benchmark::kMillisecond);

// A repaint of a 1920 x 1080 view at zoom 1 in the middle of the sheet.
void BM_PaintFullHdView(benchmark::State &state)
{
    Sheet sheet;
    const Rect view = sheet.editor.transform().windowToSheet(Rect{0, 0, 1920, 1080});
    for (auto _ : state)
        sheet.editor.paint(sheet.surface, view);
}
BENCHMARK(BM_PaintFullHdView)->Unit(benchmark::kMillisecond);

// One step of a drag that moves a resistor: the editor tracks the outline and reports the
// sheet area to repaint, then the view repaints that area only. The counter gives the area's
// share of a 1920 x 1080 view.
void BM_DragStep(benchmark::State &state)
{
    Sheet sheet;
    sheet.editor.press(Point{50, 10}, false);
    sheet.editor.takeRepaint();
    double area = 0;
    int step = 0;
    for (auto _ : state) {
        ++step;
        sheet.editor.move(Point{50 + 20 * (step % 2), 10}, false);
        const RepaintRegion region = sheet.editor.takeRepaint();
        if (!region.isEmpty() && !region.isWhole()) {
            sheet.editor.paint(sheet.surface, region.rect());
            area = static_cast<double>(region.rect().width()) * region.rect().height();
        }
    }
    sheet.editor.release(Point{50, 10}, false);
    state.counters["repaintShare"] = area / (1920.0 * 1080.0);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

// A zoom step on the Sallen-Key example, whose Bode plot (two lines over 4 decades), signal
// and time plot (a step response, auto sample) are 400 units wide: every plot samples anew
// for its new width in window pixels. The argument is the number of zoom steps taken before
// (0: zoom 1 and 1.25; 6: zoom 3.8 and 4.8, some 1,700 columns a plot).
void BM_ZoomStepResamplesPlots(benchmark::State &state)
{
    registerPersistentClasses();
    TCircuitDocument document;
    if (!document
             .open(std::filesystem::path(ZENODYNE_SOURCE_DIR) / "examples"
                   / "sallen-key-lowpass.crc")
             .ok()) {
        state.SkipWithError("the example does not open");
        return;
    }
    Palette palette;
    NoClipboard clipboard;
    CancelDialogs dialogs;
    CircuitEditor editor(document, palette, clipboard, dialogs);
    for (int step = 0; step < state.range(0); ++step)
        editor.zoomIn(Point{0, 0});
    bool in = true;
    for (auto _ : state) {
        if (in)
            editor.zoomIn(Point{0, 0});
        else
            editor.zoomOut(Point{0, 0});
        in = !in;
    }
    state.counters["zoom"] = editor.transform().zoom();
}
BENCHMARK(BM_ZoomStepResamplesPlots)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

} // namespace
