#include "signaldialogdata.h"

#include <tools/compndsig.h>
#include <tools/graph/dialogtext.h>
#include <tools/graph/tgraphparamdialogdata.h>
#include <tools/graph/tpepdialogdata.h>
#include <tools/impulse.h>
#include <tools/signal.h>
#include <tools/tooldialogs.h>

#include <common/drawcolors.h>

#include <algorithm>

namespace {

MPtrArray<SigElement> copiesOf(const MPtrArray<SigElement> &elements)
{
    MPtrArray<SigElement> copies;
    for (const SigElement *element : elements)
        copies.append(element->clone());
    return copies;
}

} // namespace

SignalDialogData SignalDialogData::from(const Signal &signal)
{
    SignalDialogData data;
    data.name = signal.name().text();
    data.periodic = signal.isPeriodic();
    data.autoSample = signal.autoSample();
    data.start = signal.start().text();
    data.end = signal.end().text();
    data.line = signal.line();
    if (!data.line.shown) {
        data.line.colour = DrawColors::current().screen(ColorRole::GraphDefaultLine);
        data.line.shown = true;
    }
    data.graph = signal.graph();
    data.m_elements = copiesOf(signal.elements());
    data.m_current = data.m_elements.isEmpty() ? -1 : 0;
    return data;
}

void SignalDialogData::applyTo(Signal &signal) const
{
    labelUnit label = DialogText::readLabel(name);
    label.normalize();
    signal.setName(label);
    signal.setPeriodic(periodic);
    signal.setAutoSample(autoSample);
    signal.setWindow(textDouble(start), textDouble(end));
    signal.setLine(line);
    signal.setGraph(graph);
    signal.replaceElements(copiesOf(m_elements));
    signal.update();
}

void SignalDialogData::select(int index)
{
    m_current = m_elements.isEmpty() ? -1 : std::clamp(index, 0, m_elements.count() - 1);
}

std::string SignalDialogData::elementLabel() const
{
    return "Signal Element " + std::to_string(m_current + 1) + " of "
           + std::to_string(m_elements.count());
}

void SignalDialogData::addImpulse(ToolDialogs &dialogs)
{
    add(std::make_unique<Impulse>(), dialogs);
}

void SignalDialogData::addCompound(ToolDialogs &dialogs)
{
    add(std::make_unique<CompndSig>(), dialogs);
}

void SignalDialogData::add(std::unique_ptr<SigElement> element, ToolDialogs &dialogs)
{
    m_elements.append(std::move(element));
    m_current = m_elements.count() - 1;
    m_elements[m_current]->edit(dialogs);
}

bool SignalDialogData::editCurrent(ToolDialogs &dialogs)
{
    return m_current >= 0 && m_elements[m_current]->edit(dialogs);
}

void SignalDialogData::deleteCurrent()
{
    if (m_current < 0)
        return;
    m_elements.removeAt(m_current);
    select(m_current);
}

bool SignalDialogData::editLine(ToolDialogs &dialogs)
{
    TPEPDialogData data = TPEPDialogData::from(line, false);
    if (!dialogs.plotLineDialog(data))
        return false;
    data.applyTo(line);
    return true;
}

bool SignalDialogData::editGraph(ToolDialogs &dialogs)
{
    TGraphParamDialogData data = TGraphParamDialogData::from(graph);
    if (!dialogs.graphParamDialog(data))
        return false;
    data.applyTo(graph);
    return true;
}

std::unique_ptr<Signal> SignalDialogData::signalPreview(const Rect &frame) const
{
    return preview(frame, false);
}

std::unique_ptr<Signal> SignalDialogData::elementPreview(const Rect &frame) const
{
    return preview(frame, true);
}

std::unique_ptr<Signal> SignalDialogData::preview(const Rect &frame, bool currentOnly) const
{
    auto signal = std::make_unique<Signal>();
    signal->place({frame.left, frame.top}, {frame.right, frame.bottom}, nullptr);
    signal->setAutoSample(autoSample);
    signal->setWindow(textDouble(start), textDouble(end));
    signal->setLine(line);
    signal->setGraph(graph);
    if (!currentOnly)
        signal->replaceElements(copiesOf(m_elements));
    else if (m_current >= 0)
        signal->appendElement(m_elements[m_current]->clone());
    signal->update();
    return signal;
}
