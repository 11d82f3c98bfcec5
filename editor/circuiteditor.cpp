#include "circuiteditor.h"

#include "boundssurface.h"
#include "editorclipboard.h"
#include "gridsnap.h"
#include "messagesubject.h"
#include "palette.h"
#include "plotlines.h"
#include "sheetthings.h"

#include <common/drawcolors.h>
#include <model/clipboardrecord.h>
#include <model/editduplicateaction.h>
#include <model/editinsertaction.h>
#include <model/editmodificationaction.h>
#include <model/editmoveaction.h>
#include <model/editmovenodeaction.h>
#include <model/editpasteaction.h>
#include <model/editremoveaction.h>
#include <model/sheetgeometry.h>
#include <model/tcircuitdocument.h>
#include <model/thinglists.h>
#include <tools/bodeplot.h>
#include <tools/signal.h>
#include <tools/timeplot.h>
#include <tools/transfunc.h>

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

// The hint of a plain command: its menu text without the mnemonic and the shortcut.
std::string plainHint(std::string_view menuText)
{
    std::string hint;
    for (const char c : menuText.substr(0, menuText.find('\t'))) {
        if (c != '&')
            hint += c;
    }
    return hint;
}

// A label lies beside its thing and may reach beyond the thing's bounding rectangle by up to
// its own width or height. A thing is painted when the clip grown by the widest label line
// (a value of 63 characters, a space and the unit) meets its bounding rectangle, so that
// repainting a part of the view never leaves out a label that reaches into it.
std::int32_t labelReach(const DrawSurface &surface)
{
    constexpr std::size_t widestLabelLine = 80;
    const Size widest = surface.textExtent(std::string(widestLabelLine, 'W'));
    return std::max(widest.width, 4 * surface.textMetrics().height);
}

} // namespace

CircuitEditor::CircuitEditor(TCircuitDocument &document, Palette &palette,
                             EditorClipboard &clipboard, ParameterDialogs &dialogs)
    : m_document(document)
    , m_palette(palette)
    , m_clipboard(clipboard)
    , m_dialogs(dialogs)
    , m_markerDrag(document)
{
    m_document.addListener(*this);
}

CircuitEditor::~CircuitEditor()
{
    detachFromDocument();
}

void CircuitEditor::detachFromDocument()
{
    if (!m_listening)
        return;
    m_listening = false;
    m_document.removeListener(*this);
}

Point CircuitEditor::sheetPoint(Point window) const
{
    return m_transform.windowToSheet(window);
}

Point CircuitEditor::snappedSheetPoint(Point window) const
{
    return GridSnap::snap(sheetPoint(window));
}

void CircuitEditor::press(Point window, bool)
{
    const Point p = snappedSheetPoint(window);
    m_pointer = p;
    m_status.clear();
    if (m_floating) {
        trackTo(p);
        recordPending();
        m_swallowRelease = true;
        m_pressDroppedFloat = true;
        return;
    }
    m_pressDroppedFloat = false;
    if (m_pressed)
        return;
    m_pressed = true;
    m_pressPoint = p;
    m_currentPoint = p;
    if (m_palette.mode() == CursorMode::Insert) {
        startPending(
            std::make_unique<EditInsertAction>(m_document, m_palette.takePrototype(), m_dialogs),
            p);
    } else if (terminalAt(p)) {
        startPending(std::make_unique<EditMoveNodeAction>(m_document, p), p);
    } else if (thingAt(p)) {
        startPending(std::make_unique<EditMoveAction>(m_document, p), p);
    } else {
        repaintOverlay();
    }
}

bool CircuitEditor::pressOnPlot(Point window, const DrawSurface &measuring)
{
    // A pointer a few pixels off a marker's point still picks it, at every zoom.
    constexpr double pickPixels = 5.0;
    if (m_pressed || m_floating || m_palette.mode() == CursorMode::Insert)
        return false;
    m_status.clear();
    if (!m_markerDrag.press(sheetPoint(window), measuring, pickPixels / m_transform.zoom()))
        return false;
    m_repaint.addWhole();
    return true;
}

void CircuitEditor::move(Point window, bool)
{
    if (m_markerDrag.isActive()) {
        m_markerDrag.move(sheetPoint(window));
        m_repaint.addWhole();
        return;
    }
    const Point p = snappedSheetPoint(window);
    m_pointer = p;
    if ((m_pressed || m_floating) && p != m_currentPoint)
        trackTo(p);
}

void CircuitEditor::release(Point window, bool shift)
{
    if (m_markerDrag.isActive()) {
        m_markerDrag.release(sheetPoint(window));
        m_repaint.addWhole();
        return;
    }
    const Point p = snappedSheetPoint(window);
    m_pointer = p;
    if (m_swallowRelease) {
        m_swallowRelease = false;
        return;
    }
    if (!m_pressed)
        return;
    trackTo(p);
    m_pressed = false;
    // A click on a thing in select mode moves nothing; it selects the thing instead, as a
    // click in empty space deselects.
    const bool insertion = dynamic_cast<const EditInsertAction *>(m_pending.get()) != nullptr;
    if (m_pending && !insertion && p == m_pressPoint)
        dropPending();
    if (m_pending) {
        recordPending();
        return;
    }
    repaintOverlay();
    selectOnRelease(p, shift);
}

void CircuitEditor::doubleClick(Point)
{
    if (m_pressed || m_floating || m_pressDroppedFloat)
        return;
    m_document.record(std::make_unique<EditModificationAction>(m_document, m_dialogs));
}

void CircuitEditor::rightClick(Point window)
{
    m_menuPoint = snappedSheetPoint(window);
}

void CircuitEditor::escape()
{
    if (m_markerDrag.isActive()) {
        m_markerDrag.cancel();
        m_repaint.addWhole();
    }
    dropPending();
    if (m_pressed) {
        m_pressed = false;
        repaintOverlay();
    }
    m_palette.choose(PaletteEntry::SelectCursor);
}

void CircuitEditor::zoomIn(Point window)
{
    m_transform.zoomInAround(window);
    resamplePlots();
    m_repaint.addWhole();
}

void CircuitEditor::zoomOut(Point window)
{
    m_transform.zoomOutAround(window);
    resamplePlots();
    m_repaint.addWhole();
}

void CircuitEditor::fitView(Size window)
{
    m_transform.fit(m_document.boundingRect(false), window);
    resamplePlots();
    m_repaint.addWhole();
}

bool CircuitEditor::resamplePlots()
{
    bool resampled = false;
    for (CircTool *tool : m_document.tools()) {
        if (isPlot(*tool) && !tool->samplesFit(m_transform.zoom())) {
            tool->setColumnScale(m_transform.zoom());
            tool->attach();
            resampled = true;
        }
    }
    if (resampled)
        m_repaint.addWhole();
    return resampled;
}

bool CircuitEditor::isEnabled(EditCommand command) const
{
    switch (command) {
    case EditCommand::ComponentNames:
    case EditCommand::ComponentValues:
        return true;
    default:
        break;
    }
    if (m_pressed)
        return false;
    switch (command) {
    case EditCommand::Undo:
        return m_document.undoName().has_value();
    case EditCommand::Redo:
        return m_document.redoName().has_value();
    case EditCommand::Cut:
    case EditCommand::Copy:
    case EditCommand::Duplicate:
    case EditCommand::Delete:
        return m_document.selectedCount() > 0;
    case EditCommand::Paste:
        return m_clipboard.hasCircuitObjects();
    case EditCommand::SelectAll:
        return m_document.thingCount() > 0;
    default:
        return true;
    }
}

bool CircuitEditor::isChecked(EditCommand command) const
{
    if (command == EditCommand::ComponentNames)
        return m_document.showsComponentNames();
    if (command == EditCommand::ComponentValues)
        return m_document.showsComponentValues();
    return false;
}

EditMenuItem CircuitEditor::menuItem(EditCommand command) const
{
    EditMenuItem item;
    if (command == EditCommand::Undo)
        item = undoMenuItem(m_document);
    else if (command == EditCommand::Redo)
        item = redoMenuItem(m_document);
    else
        item = {true, editCommandText(command), plainHint(editCommandText(command))};
    item.enabled = isEnabled(command);
    return item;
}

void CircuitEditor::run(EditCommand command)
{
    if (!isEnabled(command))
        return;
    m_status.clear();
    if (command != EditCommand::ComponentNames && command != EditCommand::ComponentValues)
        dropPending();
    switch (command) {
    case EditCommand::Undo:
        m_document.undo();
        break;
    case EditCommand::Redo:
        m_document.redo();
        break;
    case EditCommand::Cut:
        copySelection();
        removeSelection();
        break;
    case EditCommand::Copy:
        copySelection();
        break;
    case EditCommand::Paste:
        startPaste();
        break;
    case EditCommand::Duplicate:
        startDuplicate();
        break;
    case EditCommand::Delete:
        removeSelection();
        break;
    case EditCommand::SelectAll:
        m_document.selectAll(true);
        break;
    case EditCommand::ComponentNames:
        m_document.setShowsComponentNames(!m_document.showsComponentNames());
        m_document.notifyListeners(DocumentNotification::CircuitChanged);
        break;
    case EditCommand::ComponentValues:
        m_document.setShowsComponentValues(!m_document.showsComponentValues());
        m_document.notifyListeners(DocumentNotification::CircuitChanged);
        break;
    }
}

bool CircuitEditor::showThingsNamedIn(std::string_view message, Size window)
{
    const std::vector<CircThing *> named = thingsNamedIn(m_document, message);
    if (named.empty())
        return false;
    dropPending();
    m_document.selectAll(false);
    Rect area = named.front()->boundingRect();
    for (CircThing *thing : named) {
        thing->setSelected(true);
        area = area.united(thing->boundingRect());
    }
    const double zoom = m_transform.zoom();
    m_transform.setScrollPosition(
        {area.left + area.width() / 2 - static_cast<std::int32_t>(window.width / (2 * zoom)),
         area.top + area.height() / 2 - static_cast<std::int32_t>(window.height / (2 * zoom))});
    m_repaint.addWhole();
    m_document.notifyListeners(DocumentNotification::CircuitChanged);
    return true;
}

bool CircuitEditor::isEnabled(ObjectCommand command) const
{
    if (m_pressed || m_floating)
        return false;
    const CircThing *thing = menuThing();
    switch (command) {
    case ObjectCommand::Parameters:
        return thing != nullptr;
    case ObjectCommand::ExtendedView:
        return dynamic_cast<const TransFunc *>(thing) != nullptr;
    case ObjectCommand::ExportData:
        return dynamic_cast<const TransFunc *>(thing) || dynamic_cast<const BodePlot *>(thing)
               || dynamic_cast<const Signal *>(thing) || dynamic_cast<const TimePlot *>(thing);
    case ObjectCommand::Help:
        return m_document.selectedCount() > 0;
    }
    return false;
}

void CircuitEditor::run(ObjectCommand command)
{
    if (!isEnabled(command))
        return;
    CircThing *thing = menuThing();
    switch (command) {
    case ObjectCommand::Parameters:
        // The dialog is that of the thing under the pointer: it alone becomes the selection.
        m_document.selectAtPoint(*m_menuPoint, false);
        m_document.record(std::make_unique<EditModificationAction>(m_document, m_dialogs));
        break;
    case ObjectCommand::ExtendedView:
        static_cast<CircTool *>(thing)->extendedView(m_dialogs);
        break;
    case ObjectCommand::ExportData:
        static_cast<CircTool *>(thing)->exportData(m_dialogs);
        break;
    case ObjectCommand::Help:
        // The front end shows the help viewer at helpTopic().
        break;
    }
}

std::optional<std::string> CircuitEditor::helpTopic() const
{
    std::optional<std::string> topic;
    forEachSheetThing(m_document, [&](const CircThing &thing) {
        if (!topic && thing.isSelected())
            topic = thing.helpTopicTitle();
    });
    return topic;
}

void CircuitEditor::paint(DrawSurface &surface, const Rect &sheetClip) const
{
    const Rect clip = SheetGeometry::grown(sheetClip.normalized(), labelReach(surface) + 1);
    forEachSheetThing(m_document, [&](const CircThing &thing) {
        if (thing.intersects(clip))
            thing.draw(surface);
    });
    paintOverlay(surface);
}

void CircuitEditor::paintOverlay(DrawSurface &surface) const
{
    if (m_pending) {
        m_pending->track(surface, m_pressPoint, m_currentPoint);
    } else if (m_pressed) {
        surface.setPen(Pen{DrawColors::current().screen(ColorRole::Drag), 1, PenStyle::Dot});
        surface.setBrush(Brush{});
        surface.drawRect(SheetGeometry::spanned(m_pressPoint, m_currentPoint));
    }
}

RepaintRegion CircuitEditor::takeRepaint()
{
    RepaintRegion taken = m_repaint;
    m_repaint.clear();
    return taken;
}

void CircuitEditor::notify(DocumentNotification code, int)
{
    if (code == DocumentNotification::MessagesChanged)
        return;
    m_repaint.addWhole();
    // Another view may have changed the things that a drag here refers to.
    m_markerDrag.cancel();
    resamplePlots();
    if (m_pending && !m_pending->fitsDocument()) {
        dropPending();
        m_pressed = false;
    }
}

void CircuitEditor::startPending(std::unique_ptr<EditAction> action, Point start)
{
    m_pending = std::move(action);
    m_pressPoint = start;
    m_currentPoint = start;
    repaintOverlay();
}

void CircuitEditor::trackTo(Point sheet)
{
    m_currentPoint = sheet;
    repaintOverlay();
}

void CircuitEditor::recordPending()
{
    std::unique_ptr<EditAction> action = std::move(m_pending);
    m_floating = false;
    repaintOverlay();
    m_document.record(std::move(action));
}

void CircuitEditor::dropPending()
{
    if (!m_pending)
        return;
    m_pending.reset();
    m_floating = false;
    repaintOverlay();
}

void CircuitEditor::startPaste()
{
    ThingLists things;
    const std::string problem = ClipboardRecord::read(m_clipboard.circuitObjects(), things);
    if (!problem.empty()) {
        m_status = "The clipboard's circuit objects cannot be pasted: " + problem;
        return;
    }
    m_document.selectAll(false);
    auto action = std::make_unique<EditPasteAction>(m_document, std::move(things));
    const Point corner = action->startPoint();
    startPending(std::move(action), corner);
    m_floating = true;
    trackTo(m_pointer.value_or(corner));
}

void CircuitEditor::startDuplicate()
{
    auto action = std::make_unique<EditDuplicateAction>(m_document);
    const Point corner = action->startPoint();
    startPending(std::move(action), corner);
    m_floating = true;
    trackTo(m_pointer.value_or(corner));
}

void CircuitEditor::copySelection()
{
    m_clipboard.setCircuitObjects(ClipboardRecord::writeSelected(m_document));
}

void CircuitEditor::removeSelection()
{
    m_document.record(std::make_unique<EditRemoveAction>(m_document));
}

void CircuitEditor::selectOnRelease(Point at, bool extend)
{
    if (at == m_pressPoint)
        m_document.selectAtPoint(at, extend);
    else
        m_document.selectInRect(SheetGeometry::spanned(m_pressPoint, at), extend);
}

std::optional<Rect> CircuitEditor::overlayBounds() const
{
    BoundsSurface bounds;
    paintOverlay(bounds);
    return bounds.bounds();
}

void CircuitEditor::repaintOverlay()
{
    const std::optional<Rect> area = overlayBounds();
    if (m_overlayArea)
        m_repaint.add(*m_overlayArea);
    if (area)
        m_repaint.add(*area);
    m_overlayArea = area;
}

CircThing *CircuitEditor::thingAt(Point sheet) const
{
    CircThing *found = nullptr;
    forEachSheetThing(m_document, [&](CircThing &thing) {
        if (!found && thing.hitAt(sheet))
            found = &thing;
    });
    return found;
}

CircThing *CircuitEditor::menuThing() const
{
    return m_menuPoint ? thingAt(*m_menuPoint) : nullptr;
}

bool CircuitEditor::terminalAt(Point sheet) const
{
    bool found = false;
    forEachSheetThing(m_document,
                      [&](const CircThing &thing) { found = found || thing.hasTerminalAt(sheet); });
    return found;
}
