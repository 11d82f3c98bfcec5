#include "colorbutton.h"

#include "qtdrawsurface.h"

#include <QColorDialog>
#include <QPixmap>

ColorButton::ColorButton(const QString &text, Color colour, QWidget *parent)
    : QPushButton(text, parent)
{
    setColour(colour);
    connect(this, &QPushButton::clicked, this, &ColorButton::choose);
}

void ColorButton::setColour(Color colour)
{
    m_colour = colour;
    QPixmap swatch(iconSize());
    swatch.fill(QtDrawSurface::toQColor(colour));
    setIcon(swatch);
}

void ColorButton::choose()
{
    const QColor chosen = QColorDialog::getColor(QtDrawSurface::toQColor(m_colour), this);
    if (!chosen.isValid())
        return;
    setColour({static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())});
    emit colourChosen(m_colour);
}
