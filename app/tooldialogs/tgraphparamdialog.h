#pragma once

#include <QDialog>

struct TGraphParamDialogData;
class QCheckBox;
class QLineEdit;

// "Graph Parameters": the label, range and show flags of the left and the right vertical axis,
// and the label and show flags of the horizontal axis.
class TGraphParamDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TGraphParamDialog(TGraphParamDialogData &dialogData, QWidget *parent = nullptr);

    struct AxisFields
    {
        QLineEdit *label = nullptr;
        QLineEdit *minimum = nullptr;
        QLineEdit *maximum = nullptr;
        QCheckBox *showScale = nullptr;
        QCheckBox *showLines = nullptr;
        QCheckBox *autoRange = nullptr;
    };

    const AxisFields &left() const { return m_left; }
    const AxisFields &right() const { return m_right; }
    // The horizontal axis has no range fields.
    const AxisFields &horizontal() const { return m_horizontal; }

    void accept() override;

private:
    TGraphParamDialogData &m_data;
    AxisFields m_left;
    AxisFields m_right;
    AxisFields m_horizontal;
};
