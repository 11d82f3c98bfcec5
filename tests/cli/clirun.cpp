#include "clirun.h"

#include <support/tempfolder.h>

#include <analysiscommands.h>
#include <command.h>

#include <tools/bodeplot.h>
#include <tools/compndsig.h>
#include <tools/persistentclasses.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <sstream>

CliRun runCli(const std::vector<std::string> &arguments)
{
    registerPersistentClasses();
    CLI::App app;
    Command command;
    addAnalysisCommands(app, command);
    CliRun run;
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError &error) {
        run.err = error.what();
        run.status = ExitStatus::failure;
        return run;
    }
    std::ostringstream out;
    std::ostringstream err;
    run.status = runCommand(command, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::string rcLowpassExample()
{
    return (std::filesystem::path(ZENODYNE_SOURCE_DIR) / "examples" / "rc-lowpass.crc").string();
}

std::string saveInTempFolder(TCircuitDocument &document, const std::string &name)
{
    // A folder of this test process's own: CTest runs the tests in parallel processes.
    static const TempFolder folder;
    const std::filesystem::path path = folder.file(name.c_str());
    document.setPath(path);
    EXPECT_TRUE(document.commit(true).ok());
    return path.string();
}

void rlcBandPass(CircuitSketch &sketch)
{
    sketch.ground({0, 200});
    sketch.voltageSource({0, 200}, {0, 0}, "V1");
    sketch.inductor({0, 0}, {100, 0}, "L1", "10", 2);
    sketch.capacitor({100, 0}, {200, 0}, "C1", "1", 1);
    sketch.resistor({200, 0}, {200, 200}, "R1", "100");
    sketch.ground({200, 200});
    sketch.voltageTag({200, 0}, {200, 200}, "Vout");
}

void capacitorCurrent(CircuitSketch &sketch)
{
    sketch.ground({0, 200});
    sketch.voltageSource({0, 200}, {0, 0}, "V1");
    sketch.capacitor({0, 0}, {100, 0}, "C1", "1", 1);
    sketch.wire({100, 0}, {100, 200});
    sketch.ground({100, 200});
    sketch.currentTag({0, 0}, {100, 0}, "IC");
}

void rcLowpass(CircuitSketch &sketch)
{
    sketch.ground({0, 200});
    sketch.voltageSource({0, 200}, {0, 0}, "V1");
    sketch.resistor({0, 0}, {100, 0}, "R1", "1", 1);
    sketch.capacitor({100, 0}, {100, 200}, "C1", "0.1", 1);
    sketch.ground({100, 200});
    sketch.voltageTag({100, 0}, {100, 200}, "Vout");
}

namespace {

template<typename Tool>
Tool &place(CircuitSketch &sketch, std::unique_ptr<Tool> tool, const char *name, int row)
{
    tool->place({300, 100 * row}, {500, 100 * row + 80}, &sketch.document);
    tool->setName(labelUnit(name));
    Tool &placed = *tool;
    sketch.document.appendTool(std::move(tool));
    return placed;
}

} // namespace

void placeAnalysisTools(CircuitSketch &sketch, const char *equation)
{
    BodePlot &bode = place(sketch, std::make_unique<BodePlot>(), "B1", 0);
    BPElemParam element(labelUnit("H1"));
    element.line(BodeLineKind::Magnitude).parameters().shown = true;
    MArray<BPElemParam> elements;
    elements.append(element);
    bode.setElements(elements);
    bode.setStartDecade(3);

    place(sketch, std::make_unique<TransFunc>(equation, labelUnit("V1"), &sketch.document), "H1",
          1);

    Signal &signal = place(sketch, std::make_unique<Signal>(), "S1", 2);
    signal.appendElement(std::make_unique<CompndSig>(CompndSig::Parameters{0, 1, 0, 0, 0, 0}));
    signal.setWindow(textDouble("0"), textDouble("1e-3"));

    TimePlot &plot = place(sketch, std::make_unique<TimePlot>(), "P1", 3);
    TPElemParam line(labelUnit("Vout"), Color());
    line.shown = true;
    MArray<TPElemParam> lines;
    lines.append(line);
    plot.setLines(lines, {});
    MArray<labelUnit> sources;
    sources.append(labelUnit("V1"));
    MArray<labelUnit> signals;
    signals.append(labelUnit("S1"));
    plot.setSignals(sources, signals);
    plot.setWindow(textDouble("0"), textDouble("1e-3"));
}
