#include "tcircuitdocument.h"

#include <model/capacitor.h>
#include <model/inductor.h>

#include <model/circuitfile.h>
#include <model/currenttag.h>

#include <algorithm>
#include <type_traits>

namespace {

// Takes the first entry holding the object out of the list, with the ownership it had.
template<typename T>
std::unique_ptr<T> takeFrom(MPtrArray<T> &list, const T *object)
{
    const int index = list.indexOf(object);
    return index == absentIndex ? nullptr : list.takeAt(index);
}

// The range the numeric options dialog accepts. A file may hold any value (0 would keep no
// digit at all), so the compile takes the nearest value within it.
constexpr std::uint16_t fewestSignificandBytes = 25;
constexpr std::uint16_t mostSignificandBytes = 4096;

} // namespace

TCircuitDocument::TCircuitDocument() = default;

// The history goes first, then the lists, the compile results and the messages.
TCircuitDocument::~TCircuitDocument()
{
    m_history.clear();
    m_components.clear();
    m_tags.clear();
    m_tools.clear();
    discardResults();
    m_messages.clear();
}

int TCircuitDocument::energyStoreCount() const
{
    int count = 0;
    for (const Component *component : m_components) {
        if (dynamic_cast<const Capacitor *>(component) || dynamic_cast<const Inductor *>(component))
            ++count;
    }
    return count;
}

std::uint16_t TCircuitDocument::workPrecisionFor(std::uint16_t significandBytes)
{
    return std::clamp(significandBytes, fewestSignificandBytes, mostSignificandBytes);
}

// The netlist links exist only while there are results: the compile stores its results before
// it builds the netlist, and a compile that fails discards them. Without results there is
// nothing to clear, and an append costs no walk over the circuit.
void TCircuitDocument::discardResults()
{
    if (!m_compileResults)
        return;
    m_compileResults.reset();
    for (Component *component : m_components)
        component->clearNetlistLinks();
    for (CircTag *tag : m_tags) {
        tag->clearNetlistLinks();
        if (auto *currentTag = dynamic_cast<CurrentTag *>(tag))
            currentTag->passComp = nullptr;
    }
}

void TCircuitDocument::discardMatrixLid()
{
    if (m_compileResults)
        m_compileResults->discardEquations();
}

void TCircuitDocument::openNew()
{
    m_open = true;
    m_history.clear();
    markUnmodified();
}

void TCircuitDocument::markUnmodified()
{
    m_modified = false;
    m_changedOutsideHistory = false;
}

FileResult TCircuitDocument::open(const std::filesystem::path &path)
{
    resetContent();
    m_path = path;
    FileResult result = CircuitFile::load(*this, path);
    openNew();
    notifyListeners(DocumentNotification::CircuitChanged);
    return result;
}

FileResult TCircuitDocument::commit(bool force)
{
    if (!m_modified && !force)
        return {};
    FileResult result = CircuitFile::save(*this, m_path);
    if (result.ok()) {
        m_history.trim();
        markUnmodified();
    }
    return result;
}

FileResult TCircuitDocument::revert(bool clear)
{
    if (!clear)
        return open(m_path);
    resetContent();
    openNew();
    notifyListeners(DocumentNotification::CircuitChanged);
    return {};
}

void TCircuitDocument::ensureOpen()
{
    if (!m_open)
        openNew();
}

void TCircuitDocument::resetContent()
{
    m_history.clear();
    m_components.clear();
    m_tags.clear();
    m_tools.clear();
    discardResults();
    m_messages.clear();
    m_settings = Settings{};
}

void TCircuitDocument::addComponent(std::unique_ptr<Component> component)
{
    ensureOpen();
    discardResults();
    setModified(true);
    component->setDocument(this);
    const std::vector<Component *> existing = componentsOnPlaceOf(*component);
    if (!existing.empty()) {
        m_components.remove(existing.front());
        m_components.append(std::move(component));
        notifyListeners(DocumentNotification::CircuitChanged);
        return;
    }
    m_components.append(std::move(component));
    notifyListeners(DocumentNotification::ComponentAppended, m_components.upperIndex());
}

void TCircuitDocument::addTag(std::unique_ptr<CircTag> tag)
{
    ensureOpen();
    discardResults();
    setModified(true);
    tag->setDocument(this);
    const std::vector<CircTag *> existing = tagsOnPlaceOf(*tag);
    if (!existing.empty())
        m_tags.remove(existing.front());
    m_tags.append(std::move(tag));
    notifyListeners(DocumentNotification::CircuitChanged);
}

void TCircuitDocument::addTool(std::unique_ptr<CircTool> tool, ParameterDialogs &dialogs)
{
    ensureOpen();
    setModified(true);
    tool->setDocument(this);
    CircTool *added = tool.get();
    m_tools.append(std::move(tool));
    added->editParameters(dialogs);
    notifyListeners(DocumentNotification::CircuitChanged);
}

void TCircuitDocument::addLoadedTool(std::unique_ptr<CircTool> tool)
{
    ensureOpen();
    setModified(true);
    tool->setDocument(this);
    CircTool *added = tool.get();
    m_tools.append(std::move(tool));
    added->attach();
}

// The edit actions discard the results themselves; doing it here as well keeps a netlist from
// ever describing a circuit that has changed under it.
template<typename Thing>
void TCircuitDocument::appendThing(MPtrArray<Thing> &list, std::unique_ptr<Thing> thing)
{
    ensureOpen();
    // Tools take no part in the netlist.
    if constexpr (!std::is_same_v<Thing, CircTool>)
        discardResults();
    m_modified = true;
    thing->setDocument(this);
    list.append(std::move(thing));
}

void TCircuitDocument::appendComponent(std::unique_ptr<Component> component)
{
    appendThing(m_components, std::move(component));
}

void TCircuitDocument::appendTag(std::unique_ptr<CircTag> tag)
{
    appendThing(m_tags, std::move(tag));
}

void TCircuitDocument::appendTool(std::unique_ptr<CircTool> tool)
{
    appendThing(m_tools, std::move(tool));
}

// A netlist points at the components and tags it was built from, so taking one out drops it.
std::unique_ptr<Component> TCircuitDocument::takeOut(const Component *component)
{
    discardResults();
    return takeFrom(m_components, component);
}

std::unique_ptr<CircTag> TCircuitDocument::takeOut(const CircTag *tag)
{
    discardResults();
    return takeFrom(m_tags, tag);
}

std::unique_ptr<CircTool> TCircuitDocument::takeOut(const CircTool *tool)
{
    return takeFrom(m_tools, tool);
}

template<typename Visit>
void TCircuitDocument::forEachThing(Visit visit) const
{
    for (Component *component : m_components)
        visit(*component);
    for (CircTag *tag : m_tags)
        visit(*tag);
    for (CircTool *tool : m_tools)
        visit(*tool);
}

int TCircuitDocument::thingCount() const
{
    return m_components.count() + m_tags.count() + m_tools.count();
}

int TCircuitDocument::selectedCount() const
{
    int count = 0;
    forEachThing([&](const CircThing &thing) { count += thing.isSelected() ? 1 : 0; });
    return count;
}

template<typename Apply>
void TCircuitDocument::changeSelection(Apply apply)
{
    bool changed = false;
    forEachThing([&](CircThing &thing) {
        const bool before = thing.isSelected();
        apply(thing);
        changed = changed || before != thing.isSelected();
    });
    if (changed)
        notifyListeners(DocumentNotification::CircuitChanged);
}

void TCircuitDocument::selectAll(bool selected)
{
    changeSelection([&](CircThing &thing) { thing.setSelected(selected); });
}

void TCircuitDocument::selectAtPoint(Point at, bool extend)
{
    bool found = false;
    changeSelection([&](CircThing &thing) {
        if (found && !extend) {
            thing.setSelected(false);
            return;
        }
        thing.selectAt(at, extend);
        found = found || thing.isSelected();
    });
}

void TCircuitDocument::selectInRect(const Rect &rect, bool extend)
{
    changeSelection([&](CircThing &thing) { thing.selectInRect(rect, extend); });
}

bool TCircuitDocument::selectedHitAt(Point at) const
{
    bool hit = false;
    forEachThing(
        [&](const CircThing &thing) { hit = hit || (thing.isSelected() && thing.hitAt(at)); });
    return hit;
}

bool TCircuitDocument::selectedTerminalAt(Point at) const
{
    bool hit = false;
    forEachThing([&](const CircThing &thing) {
        hit = hit || (thing.isSelected() && thing.hasTerminalAt(at));
    });
    return hit;
}

Rect TCircuitDocument::boundingRect(bool selectedOnly) const
{
    std::optional<Rect> bounds;
    forEachThing([&](const CircThing &thing) {
        if (selectedOnly && !thing.isSelected())
            return;
        const Rect own = thing.boundingRect();
        bounds = bounds ? bounds->united(own) : own;
    });
    return bounds.value_or(Rect{});
}

void TCircuitDocument::changeSetting()
{
    ensureOpen();
    setModified(true);
}

void TCircuitDocument::setStartPage(std::int32_t page)
{
    changeSetting();
    m_settings.startPage = page;
}

void TCircuitDocument::setPageCount(Size count)
{
    changeSetting();
    m_settings.pageCount = {std::max(count.width, 1), std::max(count.height, 1)};
}

void TCircuitDocument::setNumbersLeftToRight(bool leftToRight)
{
    changeSetting();
    m_settings.numberLeftToRight = leftToRight;
}

void TCircuitDocument::setPrinterSettings(const PrinterSettings &printer)
{
    changeSetting();
    m_settings.printer = printer;
}

void TCircuitDocument::setShowsComponentNames(bool show)
{
    changeSetting();
    m_settings.showNames = show;
}

void TCircuitDocument::setShowsComponentValues(bool show)
{
    changeSetting();
    m_settings.showValues = show;
}

void TCircuitDocument::setSolverParameter(std::uint16_t value)
{
    changeSetting();
    discardMatrixLid();
    m_settings.solverParameter = value;
}

void TCircuitDocument::setSignificandBytes(std::uint16_t bytes)
{
    changeSetting();
    discardMatrixLid();
    m_settings.significandBytes = bytes;
}

// Page numbers are formed in 64 bits: a file may hold any start page and page count, and a
// number outside the 32-bit range is no page.
std::optional<std::int32_t> TCircuitDocument::pageNumber(std::int32_t column,
                                                         std::int32_t row) const
{
    const std::int64_t wide = m_settings.pageCount.width;
    const std::int64_t high = m_settings.pageCount.height;
    if (column < 0 || column >= wide || row < 0 || row >= high)
        return std::nullopt;
    const std::int64_t offset
        = m_settings.numberLeftToRight ? row * wide + column : column * high + row;
    const std::int64_t number = m_settings.startPage + offset;
    if (number > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

std::optional<std::int32_t> TCircuitDocument::neighbourPage(std::int32_t page,
                                                            PageDirection direction) const
{
    const std::int64_t wide = m_settings.pageCount.width;
    const std::int64_t high = m_settings.pageCount.height;
    const std::int64_t index = std::int64_t{page} - m_settings.startPage;
    if (index < 0 || index >= wide * high)
        return std::nullopt;
    std::int64_t column = m_settings.numberLeftToRight ? index % wide : index / high;
    std::int64_t row = m_settings.numberLeftToRight ? index / wide : index % high;
    switch (direction) {
    case PageDirection::Left:
        --column;
        break;
    case PageDirection::Right:
        ++column;
        break;
    case PageDirection::Up:
        --row;
        break;
    case PageDirection::Down:
        ++row;
        break;
    }
    if (column < 0 || column >= wide || row < 0 || row >= high)
        return std::nullopt;
    return pageNumber(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row));
}

void TCircuitDocument::addMessage(std::string_view text)
{
    m_messages.append(std::make_unique<Message>(text));
}

void TCircuitDocument::clearMessages()
{
    m_messages.clear();
    notifyListeners(DocumentNotification::MessagesChanged);
}

void TCircuitDocument::showMessageView()
{
    if (m_messageViewHook)
        m_messageViewHook(*this);
    notifyListeners(DocumentNotification::MessagesChanged);
}

void TCircuitDocument::setMessageViewHook(std::function<void(TCircuitDocument &)> hook)
{
    m_messageViewHook = std::move(hook);
}

void TCircuitDocument::addListener(DocumentListener &listener)
{
    if (std::find(m_listeners.begin(), m_listeners.end(), &listener) == m_listeners.end())
        m_listeners.push_back(&listener);
}

void TCircuitDocument::removeListener(DocumentListener &listener)
{
    std::erase(m_listeners, &listener);
}

// A listener may detach itself (or another) while it is told; only those still attached are
// told.
void TCircuitDocument::notifyListeners(DocumentNotification code, int argument)
{
    const std::vector<DocumentListener *> listeners = m_listeners;
    for (DocumentListener *listener : listeners) {
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
            listener->notify(code, argument);
    }
}
