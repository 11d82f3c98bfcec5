#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

struct GraphMarkerDialogData;
class QButtonGroup;
class QCheckBox;
class QLineEdit;

// "Plot Marker Parameters": what the marker looks for (its kind, the position and the value to
// find) and how it is shown (the point, the lines to the axes, the label's texts and place).
class GraphMarkerDialog : public QDialog
{
    Q_OBJECT

public:
    // The kinds in the order of their numbers.
    static constexpr std::array<const char *, 5> kindNames
        = {"Value at Position", "Find Value", "Minimum near Position", "Maximum near Position",
           "Slope at Position"};
    // The label rows (upper, middle, lower) and sides (left, right) in the order of their
    // buttons; a button's id is its index.
    static constexpr std::array<std::int32_t, 3> rowValues = {-1, 0, 1};
    static constexpr std::array<std::int32_t, 2> sideValues = {-1, 1};

    explicit GraphMarkerDialog(GraphMarkerDialogData &dialogData, QWidget *parent = nullptr);

    QLineEdit &positionEdit() const { return *m_position; }
    QLineEdit &targetEdit() const { return *m_target; }
    // Ids are the kinds.
    QButtonGroup &kindButtons() const { return *m_kind; }
    QButtonGroup &rowButtons() const { return *m_row; }
    QButtonGroup &sideButtons() const { return *m_side; }
    QCheckBox &visibleBox() const { return *m_visible; }
    QCheckBox &horizontalLineBox() const { return *m_toHorizontal; }
    QCheckBox &verticalLineBox() const { return *m_toVertical; }
    QCheckBox &showValueBox() const { return *m_showValue; }
    QCheckBox &showPositionBox() const { return *m_showPosition; }

    void accept() override;

private:
    GraphMarkerDialogData &m_data;
    QLineEdit *m_position;
    QLineEdit *m_target;
    QButtonGroup *m_kind;
    QButtonGroup *m_row;
    QButtonGroup *m_side;
    QCheckBox *m_visible;
    QCheckBox *m_toHorizontal;
    QCheckBox *m_toVertical;
    QCheckBox *m_showValue;
    QCheckBox *m_showPosition;
};
