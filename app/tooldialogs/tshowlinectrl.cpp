#include "tshowlinectrl.h"

#include "qtdrawsurface.h"

#include <tools/graph/tpelemparam.h>

#include <common/drawcolors.h>

#include <QPainter>

TShowLineCtrl::TShowLineCtrl(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(40, 12);
}

void TShowLineCtrl::setLine(const TPElemParam *line)
{
    m_hasLine = line != nullptr;
    if (line)
        m_pen = line->pen();
    update();
}

QPixmap TShowLineCtrl::sample(const TPElemParam *line, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (line) {
        QPainter painter(&pixmap);
        const Pen pen = line->pen();
        drawSample(painter, &pen, QFont(), size);
    }
    return pixmap;
}

void TShowLineCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawSample(painter, m_hasLine ? &m_pen : nullptr, font(), size());
}

void TShowLineCtrl::drawSample(QPainter &painter, const Pen *pen, const QFont &font, QSize size)
{
    painter.fillRect(QRect(QPoint(0, 0), size),
                     QtDrawSurface::toQColor(DrawColors::current().screen(ColorRole::Background)));
    if (!pen)
        return;
    // Two device pixels wide, so that the dots and dashes of a style can be told apart.
    QtDrawSurface surface(painter, font, 2);
    surface.setPen(*pen);
    const int middle = size.height() / 2;
    surface.drawLine({2, middle}, {size.width() - 3, middle});
}
