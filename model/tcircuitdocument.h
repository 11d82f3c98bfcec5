#pragma once

#include <common/geometry.h>
#include <common/mptrarray.h>
#include <model/circtag.h>
#include <model/circtool.h>
#include <model/compileresults.h>
#include <model/component.h>
#include <model/documentlistener.h>
#include <model/edithistory.h>
#include <model/fileresult.h>
#include <model/message.h>
#include <model/pagedirection.h>
#include <model/printersettings.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class CompileMonitor;

// The document of one circuit: its components, tags and tools (owned, in insertion order),
// its page and display settings, its compile messages and the file it lives in. Every change
// to the circuit discards the compile results and marks the document modified; views learn of
// changes through the listener notifications.
class TCircuitDocument
{
public:
    TCircuitDocument();
    TCircuitDocument(const TCircuitDocument &) = delete;
    TCircuitDocument &operator=(const TCircuitDocument &) = delete;
    ~TCircuitDocument();

    // File operations. A new document is open without a path. Opening reads the file; a
    // damaged file leaves what was read before the damage, and the result tells the caller.
    void openNew();
    [[nodiscard]] FileResult open(const std::filesystem::path &path);
    // Saves when modified (or when forced); a failed save leaves the document modified.
    [[nodiscard]] FileResult commit(bool force = false);
    // Drops the content and, unless clear is set, opens the file again.
    [[nodiscard]] FileResult revert(bool clear = false);
    void close() { m_open = false; }
    bool isOpen() const { return m_open; }
    const std::filesystem::path &path() const { return m_path; }
    void setPath(const std::filesystem::path &path) { m_path = path; }
    bool isModified() const { return m_modified; }
    // Sets the flag by hand. A document marked modified this way stays modified when every
    // edit is undone, since undo cannot take back what it did not record.
    void setModified(bool modified)
    {
        m_modified = modified;
        m_changedOutsideHistory = modified;
    }

    // The circuit.
    const MPtrArray<Component> &components() const { return m_components; }
    const MPtrArray<CircTag> &tags() const { return m_tags; }
    const MPtrArray<CircTool> &tools() const { return m_tools; }
    // Appends a component; one lying on the same two points (in either order) is replaced.
    void addComponent(std::unique_ptr<Component> component);
    // Appends a tag; one lying on the same two points in the same order is replaced.
    void addTag(std::unique_ptr<CircTag> tag);
    // Appends a tool and opens its parameter dialog.
    void addTool(std::unique_ptr<CircTool> tool, ParameterDialogs &dialogs);
    // Appends a tool read from a file and lets it attach itself.
    void addLoadedTool(std::unique_ptr<CircTool> tool);
    // Appends without the same-place search or the dialog (the edit actions do their own).
    void appendComponent(std::unique_ptr<Component> component);
    void appendTag(std::unique_ptr<CircTag> tag);
    void appendTool(std::unique_ptr<CircTool> tool);
    // Removes a thing from its list without destroying it; null when it is not in the list.
    std::unique_ptr<Component> takeOut(const Component *component);
    std::unique_ptr<CircTag> takeOut(const CircTag *tag);
    std::unique_ptr<CircTool> takeOut(const CircTool *tool);
    // The other components lying on the component's two points, in either order.
    std::vector<Component *> componentsOnPlaceOf(const Component &component) const;
    // The other tags lying on the tag's two points in the same order.
    std::vector<CircTag *> tagsOnPlaceOf(const CircTag &tag) const;
    // Ends an edit action's step: drops the compile results, marks the document modified and
    // tells the views that the circuit changed.
    void circuitEdited();
    // Drops the compile results (equations, then netlist) and the netlist fields of the
    // components and tags; every change to the circuit comes through here.
    void discardResults();
    // Drops the solved equations only (a numeric setting changed).
    void discardMatrixLid();

    // What the last compile left; null while the circuit has not been compiled since its
    // last change. The compile (which alone knows the content) sets it.
    CompileResults *compileResults() const { return m_compileResults.get(); }
    void setCompileResults(std::unique_ptr<CompileResults> results)
    {
        m_compileResults = std::move(results);
    }
    // The front end's compile dialog; null (the default) compiles headless. Not owned.
    void setCompileMonitor(CompileMonitor *monitor) { m_compileMonitor = monitor; }
    CompileMonitor *compileMonitor() const { return m_compileMonitor; }
    // The working precision a compile sets for a significand-bytes value.
    static std::uint16_t workPrecisionFor(std::uint16_t significandBytes);

    // Things and selection; components, then tags, then tools, each in list order.
    int thingCount() const;
    int selectedCount() const;
    void selectAll(bool selected);
    // Click selection: once a thing has been selected, later things are deselected unless
    // extend is set. Views are told when any selection changed.
    void selectAtPoint(Point at, bool extend);
    void selectInRect(const Rect &rect, bool extend);
    bool selectedHitAt(Point at) const;
    bool selectedTerminalAt(Point at) const;
    // The union of the things' bounding rectangles; an empty rectangle when there is none.
    Rect boundingRect(bool selectedOnly) const;

    // Settings; every setter marks the document modified.
    std::int32_t startPage() const { return m_settings.startPage; }
    void setStartPage(std::int32_t page);
    Size pageCount() const { return m_settings.pageCount; }
    // Values below 1 become 1.
    void setPageCount(Size count);
    bool numbersLeftToRight() const { return m_settings.numberLeftToRight; }
    void setNumbersLeftToRight(bool leftToRight);
    const PrinterSettings &printerSettings() const { return m_settings.printer; }
    void setPrinterSettings(const PrinterSettings &printer);
    bool showsComponentNames() const { return m_settings.showNames; }
    void setShowsComponentNames(bool show);
    bool showsComponentValues() const { return m_settings.showValues; }
    void setShowsComponentValues(bool show);
    std::uint16_t solverParameter() const { return m_settings.solverParameter; }
    void setSolverParameter(std::uint16_t value);
    std::uint16_t significandBytes() const { return m_settings.significandBytes; }
    // The capacitors and inductors of the circuit: the most poles it can have.
    int energyStoreCount() const;
    void setSignificandBytes(std::uint16_t bytes);
    // Set while the circuit is drawn for the printer: drawing takes the printer colours.
    bool isPrinting() const { return m_printing; }
    void setPrinting(bool printing) { m_printing = printing; }

    // Page numbering of the printed sheet, pages wide x pages high from the start page.
    std::optional<std::int32_t> pageNumber(std::int32_t column, std::int32_t row) const;
    std::optional<std::int32_t> neighbourPage(std::int32_t page, PageDirection direction) const;

    // The message list of the last compile.
    const MPtrArray<Message> &messages() const { return m_messages; }
    void addMessage(std::string_view text);
    int errorCount() const { return m_messages.count(); }
    void clearMessages();
    // Shows the messages through the front end's hook (a headless document has none), then
    // tells the views.
    void showMessageView();
    void setMessageViewHook(std::function<void(TCircuitDocument &)> hook);

    void addListener(DocumentListener &listener);
    void removeListener(DocumentListener &listener);
    void notifyListeners(DocumentNotification code, int argument = 0);

    // The edit history. Recording keeps and performs an action that has effect (dropping what
    // could be redone) and destroys any other; it answers whether the action was kept. Undoing
    // back to the position of the last save or load leaves the document not modified, unless
    // it was changed outside the history since.
    bool record(std::unique_ptr<EditAction> action);
    bool undo();
    bool redo();
    std::optional<std::string_view> undoName() const { return m_history.undoName(); }
    std::optional<std::string_view> redoName() const { return m_history.redoName(); }
    const EditHistory &history() const { return m_history; }
    // The number of edit history entries currently applied.
    std::uint32_t historyPosition() const { return m_history.position(); }

private:
    struct Settings
    {
        std::int32_t startPage = 1;
        Size pageCount{1, 1};
        bool numberLeftToRight = true;
        bool showNames = true;
        bool showValues = true;
        PrinterSettings printer;
        std::uint16_t solverParameter = 100;
        std::uint16_t significandBytes = 50;
    };

    void ensureOpen();
    template<typename Thing>
    void appendThing(MPtrArray<Thing> &list, std::unique_ptr<Thing> thing);
    void changeSetting();
    void resetContent();
    // The document now matches its file (or is new): not modified, nothing changed outside the
    // history.
    void markUnmodified();
    template<typename Visit>
    void forEachThing(Visit visit) const;
    // Applies a selection change to every thing and tells the views when any state changed.
    template<typename Apply>
    void changeSelection(Apply apply);

    bool m_open = false;
    bool m_modified = false;
    // Set by the changes that undo cannot take back (settings, things added directly), so
    // that undoing every edit does not hide them.
    bool m_changedOutsideHistory = false;
    bool m_printing = false;
    std::filesystem::path m_path;
    Settings m_settings;
    EditHistory m_history;
    MPtrArray<Component> m_components;
    MPtrArray<CircTag> m_tags;
    MPtrArray<CircTool> m_tools;
    MPtrArray<Message> m_messages;
    std::function<void(TCircuitDocument &)> m_messageViewHook;
    std::unique_ptr<CompileResults> m_compileResults;
    CompileMonitor *m_compileMonitor = nullptr;
    std::vector<DocumentListener *> m_listeners;
};
