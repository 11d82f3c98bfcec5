#pragma once

#include <editor/circuiteditor.h>
#include <model/documentlistener.h>

#include <QAbstractScrollArea>
#include <QPoint>

class DrawingSettings;
class EditorClipboard;
class Palette;
class ParameterDialogs;
class QMenu;
class TCircuitDocument;

// The circuit editor view: a scrolling window on a circuit document. Its viewport paints the
// sheet through the drawing surface, with the outline of a drag and the selection rectangle
// on top; mouse and keys go to the editor, which turns them into edit actions. Ctrl+wheel
// zooms around the pointer, the middle button pans, and the sheet point under the pointer is
// reported for the status bar. Ctrl with the left button on a plot places and drags markers.
class TCircuitView : public QAbstractScrollArea, public DocumentListener
{
    Q_OBJECT

public:
    TCircuitView(TCircuitDocument &document, Palette &palette, EditorClipboard &clipboard,
                 ParameterDialogs &dialogs, DrawingSettings &settings, QWidget *parent = nullptr);
    ~TCircuitView() override;

    TCircuitDocument &document() const { return m_editor.document(); }
    CircuitEditor &editor() { return m_editor; }
    const CircuitEditor &editor() const { return m_editor; }
    // Stops listening before the document goes.
    void detachFromDocument();
    // The pop-up menu of the right button, set up by the frame (the "Object" menu and the edit
    // commands).
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }

    void run(EditCommand command);
    void run(ObjectCommand command);
    void zoomIn();
    void zoomOut();
    // Shows every thing of the sheet.
    void zoomToFit();
    // Shows the sheet at its natural size from the top-left corner of its things.
    void showSheetStart();
    // Selects the things a compile message names and scrolls them into the middle of the
    // view; answers false when the message names none.
    bool showThingsNamedIn(const QString &message);

    void notify(DocumentNotification code, int argument) override;

signals:
    // The circuit, the selection or the modified state changed (menus and caption follow).
    void documentChanged();
    void sheetPointChanged(int x, int y);
    void statusMessage(const QString &text);
    // The value under the pointer on a plot, or empty when the pointer left the plots.
    void valueUnderPointer(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Repaints what the editor reports as changed and tells about state changes.
    void afterEditorStep();
    void reportStatus();
    void reportValueUnderPointer(Point sheet);
    bool pressOnPlot(const QMouseEvent *event);
    template<typename Measure>
    auto withMeasuringSurface(Measure measure) const;
    void syncScrollBars();
    Point viewportCentre() const;

    CircuitEditor m_editor;
    DrawingSettings &m_settings;
    QMenu *m_contextMenu = nullptr;
    bool m_listening = true;
    bool m_syncingScrollBars = false;
    bool m_panning = false;
    QString m_valueUnderPointer;
    QPoint m_panFrom;
    int m_wheelAngle = 0;
};
