#include "tgraphparamdialog.h"

#include "dialogfields.h"

#include <tools/graph/dialogtext.h>
#include <tools/graph/tgraphparamdialogdata.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int fieldLength = static_cast<int>(DialogText::fieldLength);

struct AxisValues
{
    std::string *label;
    std::string *minimum;
    std::string *maximum;
    bool *showScale;
    bool *showLines;
    bool *autoRange;
};

QGroupBox *axisBox(const QString &title, const AxisValues &values,
                   TGraphParamDialog::AxisFields &fields, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *form = new QFormLayout(box);
    fields.label = DialogFields::lineEdit(*values.label, box, fieldLength);
    form->addRow(QStringLiteral("Label"), fields.label);
    if (values.minimum) {
        fields.minimum = DialogFields::lineEdit(*values.minimum, box, fieldLength);
        fields.maximum = DialogFields::lineEdit(*values.maximum, box, fieldLength);
        form->addRow(QStringLiteral("Minimum"), fields.minimum);
        form->addRow(QStringLiteral("Maximum"), fields.maximum);
    }
    const std::pair<QCheckBox **, std::pair<const char *, bool *>> boxes[]
        = {{&fields.showScale, {"Show Scale", values.showScale}},
           {&fields.showLines, {"Show Lines", values.showLines}},
           {&fields.autoRange, {"Auto Range", values.autoRange}}};
    for (const auto &[field, item] : boxes) {
        if (!item.second)
            continue;
        *field = new QCheckBox(QString::fromUtf8(item.first), box);
        (*field)->setChecked(*item.second);
        form->addRow(*field);
    }
    return box;
}

void readAxis(const TGraphParamDialog::AxisFields &fields, const AxisValues &values)
{
    *values.label = DialogFields::toStd(fields.label->text());
    if (fields.minimum) {
        *values.minimum = DialogFields::toStd(fields.minimum->text());
        *values.maximum = DialogFields::toStd(fields.maximum->text());
    }
    for (const auto &[box, flag] : {std::pair{fields.showScale, values.showScale},
                                    std::pair{fields.showLines, values.showLines},
                                    std::pair{fields.autoRange, values.autoRange}}) {
        if (box)
            *flag = box->isChecked();
    }
}

AxisValues leftValues(TGraphParamDialogData &d)
{
    return {&d.leftLabel,           &d.leftMinimum,         &d.leftMaximum,
            &d.flags.leftShowScale, &d.flags.leftShowLines, &d.flags.leftAutoRange};
}

AxisValues rightValues(TGraphParamDialogData &d)
{
    return {&d.rightLabel,           &d.rightMinimum,         &d.rightMaximum,
            &d.flags.rightShowScale, &d.flags.rightShowLines, &d.flags.rightAutoRange};
}

AxisValues horizontalValues(TGraphParamDialogData &d)
{
    return {&d.horizontalLabel,           nullptr, nullptr, &d.flags.horizontalShowScale,
            &d.flags.horizontalShowLines, nullptr};
}

} // namespace

TGraphParamDialog::TGraphParamDialog(TGraphParamDialogData &dialogData, QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
{
    setWindowTitle(QStringLiteral("Graph Parameters"));
    auto *axes = new QHBoxLayout;
    axes->addWidget(axisBox(QStringLiteral("Left Axis"), leftValues(dialogData), m_left, this));
    axes->addWidget(axisBox(QStringLiteral("Right Axis"), rightValues(dialogData), m_right, this));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(axes);
    layout->addWidget(axisBox(QStringLiteral("Horizontal Axis"), horizontalValues(dialogData),
                              m_horizontal, this));
    layout->addWidget(DialogFields::okCancel(this));
}

void TGraphParamDialog::accept()
{
    readAxis(m_left, leftValues(m_data));
    readAxis(m_right, rightValues(m_data));
    readAxis(m_horizontal, horizontalValues(m_data));
    QDialog::accept();
}
