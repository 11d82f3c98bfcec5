#include "polezeropicture.h"

#include "qtdrawsurface.h"

#include <common/drawcolors.h>

#include <QPainter>

PoleZeroPicture::PoleZeroPicture(const PoleZeroMap &map, QWidget *parent)
    : QWidget(parent)
    , m_map(map)
{
    setMinimumSize(200, 200);
}

void PoleZeroPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(),
                     QtDrawSurface::toQColor(DrawColors::current().screen(ColorRole::Background)));
    QtDrawSurface surface(painter, font());
    m_map.draw(surface, {0, 0, width() - 1, height() - 1});
}
