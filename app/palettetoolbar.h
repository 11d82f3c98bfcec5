#pragma once

#include <editor/palettelistener.h>

#include <QToolBar>

#include <map>

class Palette;
enum class PaletteEntry;

// The toolbar "Toolbar": one button per palette entry, drawn from the entry's own symbol,
// with the hint's first line as the status-bar text and its second line (and the shortcut key)
// as the tooltip. The button of the chosen entry is shown pressed.
class PaletteToolBar : public QToolBar, public PaletteListener
{
    Q_OBJECT

public:
    PaletteToolBar(Palette &palette, QWidget *parent = nullptr);
    ~PaletteToolBar() override;

    QAction *actionFor(PaletteEntry entry) const { return m_actions.at(entry); }
    void paletteChanged() override;

private:
    Palette &m_palette;
    std::map<PaletteEntry, QAction *> m_actions;
};
