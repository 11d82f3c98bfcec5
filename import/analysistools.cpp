#include "analysistools.h"

#include "sheetbuilder.h"
#include "spicetext.h"

#include <tools/bodeplot.h>
#include <tools/compndsig.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <common/drawcolors.h>
#include <model/tcircuitdocument.h>
#include <model/textblock.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace {

TPElemParam shownLine(const std::string &title)
{
    TPElemParam line(labelUnit(title), DrawColors::current().screen(ColorRole::GraphDefaultLine));
    line.shown = true;
    return line;
}

} // namespace

AnalysisTools::AnalysisTools(const SpiceNetlist &netlist, SheetBuilder &sheet,
                             TCircuitDocument &document, std::vector<std::string> &notes)
    : m_netlist(netlist)
    , m_sheet(sheet)
    , m_document(document)
    , m_notes(notes)
    , m_names(sheet.nameMap())
{
}

void AnalysisTools::note(int line, const std::string &text)
{
    m_notes.push_back("line " + std::to_string(line) + ": " + text);
}

void AnalysisTools::place()
{
    if (m_netlist.ac) {
        const std::vector<std::string> outputs = equations(m_netlist.acOutputs);
        const auto source = inputSource(m_netlist.ac->line, ".ac");
        if (outputs.empty())
            note(m_netlist.ac->line, ".ac has no outputs (.print ac v(...)); no tools placed");
        else if (source)
            placeAc(*source, outputs);
    }
    if (m_netlist.tran) {
        const std::vector<std::string> outputs = equations(m_netlist.tranOutputs);
        const auto source = inputSource(m_netlist.tran->line, ".tran");
        if (outputs.empty())
            note(m_netlist.tran->line,
                 ".tran has no outputs (.print tran v(...)); no tools placed");
        else if (source)
            placeTran(*source, outputs);
    }
    placeNames();
}

std::optional<std::string> AnalysisTools::inputSource(int line, const char *analysis)
{
    std::vector<std::string> all;
    std::vector<std::string> withAc;
    for (std::size_t i = 0; i < m_netlist.elements.size(); ++i) {
        const SpiceElement &element = m_netlist.elements[i];
        if (element.kind != 'V' && element.kind != 'I')
            continue;
        all.push_back(m_sheet.sheetNameOf(i));
        if (element.hasAc && element.acMagnitude != 0.0)
            withAc.push_back(m_sheet.sheetNameOf(i));
    }
    if (withAc.size() == 1)
        return withAc.front();
    if (withAc.empty() && all.size() == 1)
        return all.front();
    note(line, std::string(analysis)
                   + " needs a single input source (one source with an AC "
                     "value, or one independent source); no tools placed");
    return std::nullopt;
}

std::vector<std::string> AnalysisTools::equations(const std::vector<SpiceOutput> &outputs)
{
    std::vector<std::string> list;
    for (const SpiceOutput &output : outputs) {
        const auto equation = equationOf(output);
        if (equation && std::find(list.begin(), list.end(), *equation) == list.end())
            list.push_back(*equation);
    }
    return list;
}

// v(a) is a's tag, v(a,b) the difference of two tags, i(X) the current tag of a passive X.
std::optional<std::string> AnalysisTools::equationOf(const SpiceOutput &output)
{
    if (output.kind == 'i') {
        if (const auto tag = m_names.find("I(" + output.operands[0] + ")"))
            return tag;
        note(output.line, "i(" + output.operands[0]
                              + ") is no current of a resistor, capacitor or inductor; left out");
        return std::nullopt;
    }
    std::array<std::string, 2> tags;
    for (std::size_t k = 0; k < tags.size(); ++k) {
        const std::string &node = output.operands[k];
        if (node.empty() || isSpiceGround(node))
            continue;
        const auto tag = m_names.find("V(" + node + ")");
        if (!tag) {
            note(output.line, "v(" + node + ") names no node; left out");
            return std::nullopt;
        }
        tags[k] = *tag;
    }
    const auto &[plus, minus] = tags;
    if (minus.empty())
        return plus.empty() ? "0" : plus;
    return plus.empty() ? "-" + minus : plus + "-" + minus;
}

std::pair<Point, Point> AnalysisTools::nextFrame(Size size)
{
    const int left = m_sheet.rightEdge() + 2 * SheetBuilder::grid;
    const Point topLeft{left, m_nextTop};
    m_nextTop += size.height + 2 * SheetBuilder::grid;
    return {topLeft, {left + size.width, topLeft.y + size.height}};
}

void AnalysisTools::placeAc(const std::string &source, const std::vector<std::string> &outputs)
{
    MArray<BPElemParam> elements;
    for (const std::string &output : outputs) {
        auto function = std::make_unique<TransFunc>(output, labelUnit(source), &m_document);
        const auto [first, second] = nextFrame({360, 80});
        function->place(first, second, &m_document);
        const std::string name = m_sheet.names().claimUnique("TF");
        function->setName(labelUnit(name));
        m_document.appendTool(std::move(function));
        BPElemParam element{labelUnit(name)};
        element.phaseMode = BPElemParam::Degrees;
        element.line(BodeLineKind::Magnitude).parameters().shown = true;
        element.line(BodeLineKind::Phase).parameters().shown = true;
        elements.append(element);
    }
    // Whole decades around fstart ... fstop, as many as the plot draws at most.
    const double low = std::floor(std::log10(m_netlist.ac->startFrequency));
    const double high = std::ceil(std::log10(m_netlist.ac->stopFrequency));
    auto plot = std::make_unique<BodePlot>();
    const auto [first, second] = nextFrame({400, 300});
    plot->place(first, second, &m_document);
    plot->setName(labelUnit(m_sheet.names().claimUnique("Bode")));
    plot->setStartDecade(static_cast<std::int32_t>(std::clamp(low, -300.0, 300.0)));
    plot->setDecades(
        static_cast<std::int32_t>(std::clamp(high - low, 1.0, double{BodePlot::maxDecades})));
    plot->setRadiansPerSecond(false);
    plot->setElements(elements);
    m_document.appendTool(std::move(plot));
}

void AnalysisTools::placeTran(const std::string &source, const std::vector<std::string> &outputs)
{
    const textDouble start(0.0);
    const textDouble stop(m_netlist.tran->stopTime);
    auto step = std::make_unique<Signal>();
    const auto [signalFirst, signalSecond] = nextFrame({400, 200});
    step->place(signalFirst, signalSecond, &m_document);
    const std::string stepName = m_sheet.names().claimUnique("Step");
    step->setName(labelUnit(stepName));
    CompndSig::Parameters unitStep;
    unitStep.K = 1.0;
    step->appendElement(std::make_unique<CompndSig>(unitStep));
    step->setWindow(start, stop);
    step->setLine(shownLine(stepName));
    m_document.appendTool(std::move(step));

    auto plot = std::make_unique<TimePlot>();
    const auto [first, second] = nextFrame({400, 300});
    plot->place(first, second, &m_document);
    plot->setName(labelUnit(m_sheet.names().claimUnique("Response")));
    MArray<TPElemParam> lines;
    for (const std::string &output : outputs)
        lines.append(shownLine(output));
    plot->setLines(lines, {});
    MArray<labelUnit> sources;
    sources.append(labelUnit(source));
    MArray<labelUnit> signals;
    signals.append(labelUnit(stepName));
    plot->setSignals(sources, signals);
    plot->setWindow(start, stop);
    m_document.appendTool(std::move(plot));
}

void AnalysisTools::placeNames()
{
    auto block = std::make_unique<TextBlock>();
    const auto [first, second] = nextFrame({400, 300});
    block->place(first, second, &m_document);
    block->setName(labelUnit(SpiceNameMap::blockName));
    block->setText(m_names.rtf());
    m_document.appendTool(std::move(block));
}
