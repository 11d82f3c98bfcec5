#pragma once

#include <common/drawcolors.h>

#include <QDialog>

#include <vector>

class DrawingSettings;
class QListWidget;
class QListWidgetItem;

// "Circuit Editor Screen Colors" and "Circuit Editor Printer Colors": the colour roles of one
// set with their colours; a double click on a role opens the colour chooser for it. OK saves
// the settings and repaints the views; Cancel takes back what was changed in the list.
class ColorListDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Set { Screen, Printer };

    ColorListDialog(DrawingSettings &settings, Set set, QWidget *parent = nullptr);

    QListWidget &list() const { return *m_list; }
    // Gives a role of the list a new colour, as the colour chooser does.
    void setRoleColor(int row, const Color &color);

    void accept() override;
    void reject() override;

private:
    void chooseColor(QListWidgetItem *item);
    Color roleColor(ColorRole role) const;
    void showColor(QListWidgetItem &item, const Color &color);

    DrawingSettings &m_settings;
    Set m_set;
    DrawColors m_before;
    std::vector<ColorRole> m_roles;
    QListWidget *m_list;
};
