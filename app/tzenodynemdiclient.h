#pragma once

#include <QMdiArea>

// The client area of the main window: the circuit views as subwindows.
class TZenodyneMDIClient : public QMdiArea
{
    Q_OBJECT

public:
    explicit TZenodyneMDIClient(QWidget *parent = nullptr);

    // Lines the minimised subwindows up along the bottom edge.
    void arrangeIcons();
};
