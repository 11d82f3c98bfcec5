#include "tzenodynemdiclient.h"

#include <QMdiSubWindow>

TZenodyneMDIClient::TZenodyneMDIClient(QWidget *parent)
    : QMdiArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TZenodyneMDIClient::arrangeIcons()
{
    int x = 0;
    int y = viewport()->height();
    for (QMdiSubWindow *window : subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > viewport()->width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y - size.height());
        x += size.width();
    }
}
