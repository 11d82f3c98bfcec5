#pragma once

#include <tools/polezeromap.h>

#include <QWidget>

// The s-plane picture of a transfer function's roots, on the background of the graphs.
class PoleZeroPicture : public QWidget
{
    Q_OBJECT

public:
    explicit PoleZeroPicture(const PoleZeroMap &map, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {280, 280}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PoleZeroMap m_map;
};
