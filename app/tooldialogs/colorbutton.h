#pragma once

#include <common/color.h>

#include <QPushButton>

// "Color...": a button that shows its colour in a swatch and opens the platform's colour
// chooser; a confirmed choice becomes its colour and is announced.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    ColorButton(const QString &text, Color colour, QWidget *parent = nullptr);

    Color colour() const { return m_colour; }
    void setColour(Color colour);

signals:
    void colourChosen(Color colour);

private:
    void choose();

    Color m_colour;
};
