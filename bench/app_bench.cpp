// The editor view's painting: a whole repaint of a full-HD view of a sheet of 2,000 things, and
// the repaint of one drag step, which covers only what the step changed.

#include <drawingsettings.h>
#include <qtclipboard.h>
#include <qtparameterdialogs.h>
#include <tcircuitview.h>

#include <editor/palette.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>
#include <tools/persistentclasses.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int columns = 50;
constexpr int rows = 40;

// 2,000 resistors on a grid of 50 columns 40 units apart and 40 rows 80 units apart.
void fillSheet(TCircuitDocument &document)
{
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto resistor = std::make_unique<Resistor>();
            const Point first{10 + 40 * column, 10 + 80 * row};
            resistor->place(first, {first.x, first.y + 60}, &document);
            document.appendComponent(std::move(resistor));
        }
    }
}

struct ViewOnSheet
{
    ViewOnSheet()
        : settings(dir.filePath(QStringLiteral("ZENODYNE.INI")))
        , view(document, palette, clipboard, dialogs, settings)
        , image(1920, 1080, QImage::Format_RGB32)
    {
        settings.acquire();
        document.openNew();
        fillSheet(document);
        view.resize(1920 + 20, 1080 + 20);
        view.viewport()->resize(1920, 1080);
    }
    ~ViewOnSheet() { settings.release(); }

    QTemporaryDir dir;
    DrawingSettings settings;
    TCircuitDocument document;
    Palette palette;
    QtClipboard clipboard;
    QtParameterDialogs dialogs;
    TCircuitView view;
    QImage image;
};

void BM_RepaintFullHdView(benchmark::State &state)
{
    ViewOnSheet sheet;
    if (state.range(0) != 0)
        sheet.view.zoomToFit();
    for (auto _ : state)
        sheet.view.viewport()->render(&sheet.image);
    state.counters["zoom"] = sheet.view.editor().transform().zoom();
}
BENCHMARK(BM_RepaintFullHdView)->Arg(0)->Arg(1)->ArgNames({"fit"})->Unit(benchmark::kMillisecond);

// One step of a drag of a resistor by a grid cell: the editor reports the area the outline
// covered and covers now, and only that is painted.
void BM_RepaintDragStep(benchmark::State &state)
{
    ViewOnSheet sheet;
    CircuitEditor &editor = sheet.view.editor();
    editor.press({210, 200}, false);
    (void)editor.takeRepaint();
    int step = 0;
    double pixels = 0;
    for (auto _ : state) {
        step = 1 - step;
        editor.move({210 + 20 * step, 200}, false);
        const RepaintRegion region = editor.takeRepaint();
        const Rect window = editor.transform().sheetToWindow(region.rect()).inflated(2);
        const QRect dirty(QPoint(window.left, window.top), QPoint(window.right, window.bottom));
        pixels = static_cast<double>(dirty.width()) * dirty.height();
        sheet.view.viewport()->render(&sheet.image, dirty.topLeft(), QRegion(dirty));
    }
    editor.release({210, 200}, false);
    state.counters["repainted_share"] = pixels / (1920.0 * 1080.0);
}
BENCHMARK(BM_RepaintDragStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    registerPersistentClasses();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
