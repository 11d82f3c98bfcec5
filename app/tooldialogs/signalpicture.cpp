#include "signalpicture.h"

#include "qtdrawsurface.h"

#include <tools/signal.h>

#include <common/drawcolors.h>

#include <QPainter>

SignalPicture::SignalPicture(Source source, QWidget *parent)
    : QWidget(parent)
    , m_source(std::move(source))
{
    setMinimumSize(200, 110);
}

void SignalPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(),
                     QtDrawSurface::toQColor(DrawColors::current().screen(ColorRole::Background)));
    // Room on the right for the half of the last time label that stands beyond the plot.
    const int margin = 3 * fontMetrics().averageCharWidth();
    const std::unique_ptr<Signal> signal = m_source({0, 0, width() - 1 - margin, height() - 1});
    if (!signal)
        return;
    QtDrawSurface surface(painter, font());
    signal->paint(surface);
}
