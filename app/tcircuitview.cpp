#include "tcircuitview.h"

#include "drawingsettings.h"
#include "qtdrawsurface.h"

#include <common/drawcolors.h>
#include <editor/gridsnap.h>
#include <editor/palette.h>
#include <editor/plotreadout.h>
#include <model/tcircuitdocument.h>

#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {

// Room beyond the things and the visible part of the sheet that the scroll bars reach.
constexpr std::int32_t scrollMargin = 400;
// A wheel notch (120 units) zooms by one step.
constexpr int wheelNotch = 120;

Point toPoint(QPoint point)
{
    return {point.x(), point.y()};
}

Point eventPoint(const QMouseEvent *event)
{
    return toPoint(event->position().toPoint());
}

bool shiftHeld(const QInputEvent *event)
{
    return event->modifiers().testFlag(Qt::ShiftModifier);
}

bool controlHeld(const QInputEvent *event)
{
    return event->modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

TCircuitView::TCircuitView(TCircuitDocument &document, Palette &palette, EditorClipboard &clipboard,
                           ParameterDialogs &dialogs, DrawingSettings &settings, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_editor(document, palette, clipboard, dialogs)
    , m_settings(settings)
{
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    document.addListener(*this);
    connect(&m_settings, &DrawingSettings::changed, viewport(), qOverload<>(&QWidget::update));
    syncScrollBars();
}

TCircuitView::~TCircuitView()
{
    detachFromDocument();
}

void TCircuitView::detachFromDocument()
{
    if (!m_listening)
        return;
    m_listening = false;
    document().removeListener(*this);
    m_editor.detachFromDocument();
}

void TCircuitView::notify(DocumentNotification, int)
{
    // A change of the circuit from any side (this view, another one, a dialog) repaints all.
    viewport()->update();
    syncScrollBars();
    emit documentChanged();
}

void TCircuitView::afterEditorStep()
{
    const RepaintRegion region = m_editor.takeRepaint();
    if (region.isWhole()) {
        viewport()->update();
        syncScrollBars();
    } else if (!region.isEmpty()) {
        const Rect window = m_editor.transform().sheetToWindow(region.rect()).inflated(2);
        viewport()->update(
            QRect(QPoint(window.left, window.top), QPoint(window.right, window.bottom)));
    }
    reportStatus();
    emit documentChanged();
}

void TCircuitView::reportStatus()
{
    const std::string &message = m_editor.statusMessage();
    if (!message.empty())
        emit statusMessage(QString::fromStdString(message));
}

void TCircuitView::run(EditCommand command)
{
    m_editor.run(command);
    afterEditorStep();
}

void TCircuitView::run(ObjectCommand command)
{
    m_editor.run(command);
    afterEditorStep();
}

void TCircuitView::paintEvent(QPaintEvent *event)
{
    // A closing window's document may be gone already.
    if (!m_listening)
        return;
    QPainter painter(viewport());
    const DrawColors &colors = DrawColors::current();
    painter.fillRect(event->rect(), QtDrawSurface::toQColor(colors.screen(ColorRole::Background)));
    const ViewTransform &transform = m_editor.transform();
    // Whole pixels for the origin and half a pixel more: hairlines on grid points then fall on
    // pixel centres and stay sharp.
    painter.translate(std::round(-transform.originX() * transform.zoom()) + 0.5,
                      std::round(-transform.originY() * transform.zoom()) + 0.5);
    painter.scale(transform.zoom(), transform.zoom());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect dirty = event->rect();
    const Rect sheetClip = transform.windowToSheet(
        Rect{dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1});
    QtDrawSurface surface(painter, m_settings.font());
    m_editor.paint(surface, sheetClip);
}

void TCircuitView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    switch (event->button()) {
    case Qt::LeftButton:
        if (!(controlHeld(event) && pressOnPlot(event)))
            m_editor.press(eventPoint(event), shiftHeld(event));
        afterEditorStep();
        break;
    case Qt::MiddleButton:
        m_panning = true;
        m_panFrom = event->position().toPoint();
        viewport()->setCursor(Qt::ClosedHandCursor);
        break;
    case Qt::RightButton:
        m_editor.rightClick(eventPoint(event));
        afterEditorStep();
        if (m_contextMenu)
            m_contextMenu->exec(event->globalPosition().toPoint());
        break;
    default:
        break;
    }
}

void TCircuitView::mouseMoveEvent(QMouseEvent *event)
{
    const Point window = eventPoint(event);
    if (m_panning) {
        const QPoint now = event->position().toPoint();
        const QPoint moved = now - m_panFrom;
        m_panFrom = now;
        m_editor.transform().scrollBy(-moved.x(), -moved.y());
        syncScrollBars();
        viewport()->update();
    } else {
        m_editor.move(window, shiftHeld(event));
        afterEditorStep();
    }
    const Point sheet = m_editor.sheetPoint(window);
    emit sheetPointChanged(sheet.x, sheet.y);
    reportValueUnderPointer(sheet);
}

// Plots are laid out in the font the sheet is drawn in, as they are on the screen.
template<typename Measure>
auto TCircuitView::withMeasuringSurface(Measure measure) const
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    const QtDrawSurface measuring(painter, m_settings.font());
    return measure(measuring);
}

bool TCircuitView::pressOnPlot(const QMouseEvent *event)
{
    return withMeasuringSurface([&](const DrawSurface &measuring) {
        return m_editor.pressOnPlot(eventPoint(event), measuring);
    });
}

void TCircuitView::reportValueUnderPointer(Point sheet)
{
    const QString text = withMeasuringSurface([&](const DrawSurface &measuring) {
        return QString::fromStdString(plotReadout(document(), sheet, measuring));
    });
    if (text == m_valueUnderPointer)
        return;
    m_valueUnderPointer = text;
    emit valueUnderPointer(text);
}

void TCircuitView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_editor.release(eventPoint(event), shiftHeld(event));
        afterEditorStep();
    } else if (event->button() == Qt::MiddleButton && m_panning) {
        m_panning = false;
        viewport()->unsetCursor();
    }
}

void TCircuitView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    // Quick clicks with Ctrl place one marker each.
    if (!(controlHeld(event) && pressOnPlot(event)))
        m_editor.doubleClick(eventPoint(event));
    afterEditorStep();
}

void TCircuitView::wheelEvent(QWheelEvent *event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Fine-grained wheels (touchpads) send parts of a notch; a zoom step waits for a whole one.
    m_wheelAngle += event->angleDelta().y();
    const Point at = toPoint(event->position().toPoint());
    for (; m_wheelAngle >= wheelNotch; m_wheelAngle -= wheelNotch)
        m_editor.zoomIn(at);
    for (; m_wheelAngle <= -wheelNotch; m_wheelAngle += wheelNotch)
        m_editor.zoomOut(at);
    afterEditorStep();
    event->accept();
}

void TCircuitView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_editor.escape();
        afterEditorStep();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TCircuitView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    syncScrollBars();
}

void TCircuitView::scrollContentsBy(int dx, int dy)
{
    if (m_syncingScrollBars)
        return;
    m_editor.transform().scrollBy(-dx, -dy);
    viewport()->update();
}

Point TCircuitView::viewportCentre() const
{
    return toPoint(viewport()->rect().center());
}

void TCircuitView::zoomIn()
{
    m_editor.zoomIn(viewportCentre());
    afterEditorStep();
}

void TCircuitView::zoomOut()
{
    m_editor.zoomOut(viewportCentre());
    afterEditorStep();
}

void TCircuitView::showSheetStart()
{
    ViewTransform &transform = m_editor.transform();
    transform.setZoomAround({0, 0}, 1.0);
    const Rect things = document().boundingRect(false);
    transform.setScrollPosition(document().thingCount() > 0 ? Point{things.left - GridSnap::spacing,
                                                                    things.top - GridSnap::spacing}
                                                            : Point{0, 0});
    syncScrollBars();
    viewport()->update();
}

bool TCircuitView::showThingsNamedIn(const QString &message)
{
    const bool shown = m_editor.showThingsNamedIn(message.toStdString(),
                                                  {viewport()->width(), viewport()->height()});
    afterEditorStep();
    return shown;
}

void TCircuitView::zoomToFit()
{
    m_editor.fitView({viewport()->width(), viewport()->height()});
    afterEditorStep();
}

void TCircuitView::syncScrollBars()
{
    const ViewTransform &transform = m_editor.transform();
    const double zoom = transform.zoom();
    const Rect visible
        = transform.windowToSheet(Rect{0, 0, viewport()->width(), viewport()->height()});
    Rect extent = visible;
    if (document().thingCount() > 0)
        extent = extent.united(document().boundingRect(false).inflated(scrollMargin));
    m_syncingScrollBars = true;
    const auto setBar = [](QScrollBar *bar, double low, double high, double origin, int page) {
        const int minimum = static_cast<int>(std::floor(low));
        const int maximum = std::max(minimum, static_cast<int>(std::ceil(high)) - page);
        bar->setRange(minimum, maximum);
        bar->setPageStep(page);
        bar->setValue(static_cast<int>(std::lround(origin)));
    };
    setBar(horizontalScrollBar(), extent.left * zoom, extent.right * zoom,
           transform.originX() * zoom, viewport()->width());
    setBar(verticalScrollBar(), extent.top * zoom, extent.bottom * zoom, transform.originY() * zoom,
           viewport()->height());
    m_syncingScrollBars = false;
}
