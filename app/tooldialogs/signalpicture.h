#pragma once

#include <common/geometry.h>

#include <QWidget>

#include <functional>
#include <memory>

class Signal;

// A picture of a signal in a dialog: the graph of the signal that the source makes for the
// picture's rectangle, drawn anew on every paint.
class SignalPicture : public QWidget
{
    Q_OBJECT

public:
    using Source = std::function<std::unique_ptr<Signal>(const Rect &frame)>;

    SignalPicture(Source source, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {320, 160}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Source m_source;
};
