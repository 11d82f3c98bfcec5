#pragma once

#include <editor/editcommand.h>
#include <editor/objectcommand.h>
#include <editor/plotmarkerdrag.h>
#include <editor/repaintregion.h>
#include <editor/viewtransform.h>

#include <common/drawsurface.h>
#include <common/geometry.h>
#include <model/documentlistener.h>
#include <model/editmenuitem.h>
#include <model/fwd.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class EditorClipboard;
class Palette;

// The editing state of one circuit view: it turns the mouse and the edit commands into edit
// actions of the document. Points come in window coordinates; the view transform turns them
// into sheet points, which are snapped to the grid.
//
// - In insert mode a press starts an insertion of the palette's prototype (the palette makes
//   the next one); the thing spans from the press to the release point.
// - In select mode a press on a terminal drags that node, a press on a thing moves it (with
//   the selection when it is selected), and a press elsewhere starts a selection rectangle.
//   A release where the press was selects by point, elsewhere by the rectangle; Shift extends
//   the selection.
// - Paste and Duplicate make the things float: they follow the pointer until the next press
//   drops them.
// The pending action's outline and the selection rectangle are overlays, painted on top of
// the sheet in the drag colour; every step tells which part of the sheet needs a repaint.
class CircuitEditor : public DocumentListener
{
public:
    CircuitEditor(TCircuitDocument &document, Palette &palette, EditorClipboard &clipboard,
                  ParameterDialogs &dialogs);
    CircuitEditor(const CircuitEditor &) = delete;
    CircuitEditor &operator=(const CircuitEditor &) = delete;
    ~CircuitEditor() override;

    TCircuitDocument &document() const { return m_document; }
    // The document is about to go before this editor (its window closes): the editor stops
    // listening to it and must not be used on it any more.
    void detachFromDocument();
    Palette &palette() const { return m_palette; }
    ViewTransform &transform() { return m_transform; }
    const ViewTransform &transform() const { return m_transform; }

    // The left button, at window points, with the Shift key's state.
    void press(Point window, bool shift);
    // The pointer moved, with the left button down or up (a floating paste follows it).
    void move(Point window, bool shift);
    void release(Point window, bool shift);
    // The left button with Ctrl on the plot area of a Bode plot, a signal or a time plot: adds
    // a value marker there or drags a marker along its curve (PlotMarkerDrag); the following
    // moves and the release belong to it. Answers false when the point lies on no plot area,
    // and the press is then an ordinary one. The surface measures text as the sheet is drawn.
    bool pressOnPlot(Point window, const DrawSurface &measuring);
    // A double click of the left button modifies the selection through its parameter dialogs.
    void doubleClick(Point window);
    // The right button: remembers the thing under the pointer for the "Object" menu.
    void rightClick(Point window);
    // Esc: drops a pending action, a floating paste or a selection rectangle, and goes back to
    // the select cursor.
    void escape();

    // Ctrl+= and Ctrl+- (or the wheel with Ctrl): one zoom step around a window point, which
    // keeps the sheet point under it. Ctrl+0: the whole circuit fitted into the window. The
    // view then repaints whole.
    void zoomIn(Point window);
    void zoomOut(Point window);
    void fitView(Size window);
    // The plots whose curves were sampled for another frame width or zoom than they now have
    // sample anew for the view's zoom; the editor runs it after a zoom step and a change of
    // the document (a resized frame, an undo). Answers whether any plot was resampled.
    bool resamplePlots();

    // The grid point of a window point, and the unsnapped sheet point (the status bar's).
    Point snappedSheetPoint(Point window) const;
    Point sheetPoint(Point window) const;
    bool isDragging() const { return m_pressed || m_markerDrag.isActive(); }
    bool isFloating() const { return m_floating; }

    // The commands of the Edit and View menus.
    bool isEnabled(EditCommand command) const;
    // Whether a check item carries its mark (Component Names, Component Values).
    bool isChecked(EditCommand command) const;
    // Text, hint and enabled state; Undo and Redo name the entry they would take back or do.
    EditMenuItem menuItem(EditCommand command) const;
    void run(EditCommand command);

    // A double click on a compile message: the things it names become the selection and are
    // centred in a window of the given size. Answers false, changing nothing, when the message
    // names no thing of the sheet.
    bool showThingsNamedIn(std::string_view message, Size window);

    // The "Object" menu, for the thing under the pointer at the last right click.
    bool isEnabled(ObjectCommand command) const;
    void run(ObjectCommand command);
    // The help-topic title of the first selected thing, which "&Help" shows; none when
    // nothing is selected.
    std::optional<std::string> helpTopic() const;

    // Paints the things whose bounding rectangles meet the sheet rectangle (the background is
    // the view's), then the overlays. The surface draws in sheet coordinates.
    void paint(DrawSurface &surface, const Rect &sheetClip) const;
    // The pending action's outline or the selection rectangle, in the drag colour.
    void paintOverlay(DrawSurface &surface) const;
    // What needs a repaint since the last call; the view repaints it and the region empties.
    RepaintRegion takeRepaint();
    const RepaintRegion &repaint() const { return m_repaint; }

    // The last message for the status bar ("" when there is none), e.g. why a paste did
    // nothing.
    const std::string &statusMessage() const { return m_status; }

    void notify(DocumentNotification code, int argument) override;

private:
    void startPending(std::unique_ptr<EditAction> action, Point start);
    void trackTo(Point sheet);
    void recordPending();
    void dropPending();
    void startPaste();
    void startDuplicate();
    void copySelection();
    void removeSelection();
    void toggleNames();
    void toggleValues();
    void selectOnRelease(Point at, bool extend);
    // The outline's rectangle for the current points, measured on a bounds surface.
    std::optional<Rect> overlayBounds() const;
    void repaintOverlay();
    CircThing *thingAt(Point sheet) const;
    CircThing *menuThing() const;
    bool terminalAt(Point sheet) const;

    TCircuitDocument &m_document;
    Palette &m_palette;
    EditorClipboard &m_clipboard;
    ParameterDialogs &m_dialogs;
    ViewTransform m_transform;
    bool m_listening = true;

    std::unique_ptr<EditAction> m_pending;
    bool m_pressed = false;
    bool m_floating = false;
    // A press that dropped a floating paste: its release does nothing more.
    bool m_swallowRelease = false;
    Point m_pressPoint;
    Point m_currentPoint;
    // The last snapped pointer point, where a new paste starts floating.
    std::optional<Point> m_pointer;
    // The area the overlay covered at its last paint, repainted when it changes.
    std::optional<Rect> m_overlayArea;
    // Where the last right click was; the "Object" menu acts on the thing found there.
    std::optional<Point> m_menuPoint;
    // Set by a press that dropped a floating paste, so that a double click ending there does
    // not open the dialogs of the things just dropped.
    bool m_pressDroppedFloat = false;
    RepaintRegion m_repaint;
    std::string m_status;
    PlotMarkerDrag m_markerDrag;
};
