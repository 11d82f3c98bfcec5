#pragma once

#include <common/drawsurface.h>

#include <QPixmap>
#include <QWidget>

class TPElemParam;

// A sample of a plotted line: a horizontal stroke in the line's colour and style across the
// control, on the background of the graphs, or nothing when no line is set.
class TShowLineCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit TShowLineCtrl(QWidget *parent = nullptr);

    // The line's pen; null clears the sample.
    void setLine(const TPElemParam *line);
    bool hasLine() const { return m_hasLine; }
    const Pen &pen() const { return m_pen; }

    // The same sample as a picture, for list rows; without a line, an empty picture of the
    // size keeps the rows' texts aligned.
    static QPixmap sample(const TPElemParam *line, QSize size);

    QSize sizeHint() const override { return {60, 16}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static void drawSample(QPainter &painter, const Pen *pen, const QFont &font, QSize size);

    Pen m_pen;
    bool m_hasLine = false;
};
