#include "graphmarkerdialog.h"

#include "dialogfields.h"

#include <tools/graph/graphmarkerdialogdata.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace {

// A group of radio buttons, each with the number it stands for as its id.
QButtonGroup *radioGroup(QGroupBox *box, std::initializer_list<std::pair<const char *, int>> items,
                         int checked)
{
    auto *group = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    for (const auto &[text, id] : items) {
        auto *button = new QRadioButton(QString::fromUtf8(text), box);
        button->setChecked(id == checked);
        group->addButton(button, id);
        layout->addWidget(button);
    }
    return group;
}

} // namespace

GraphMarkerDialog::GraphMarkerDialog(GraphMarkerDialogData &dialogData, QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_position(DialogFields::lineEdit(dialogData.position, this))
    , m_target(DialogFields::lineEdit(dialogData.target, this))
    , m_visible(new QCheckBox(QStringLiteral("Visible"), this))
    , m_toHorizontal(new QCheckBox(QStringLiteral("Line to horizontal axis"), this))
    , m_toVertical(new QCheckBox(QStringLiteral("Line to vertical axis"), this))
    , m_showValue(new QCheckBox(QStringLiteral("Show value"), this))
    , m_showPosition(new QCheckBox(QStringLiteral("Show position"), this))
{
    setWindowTitle(QStringLiteral("Plot Marker Parameters"));
    auto *kindBox = new QGroupBox(QStringLiteral("Marker"), this);
    m_kind = radioGroup(kindBox,
                        {{kindNames[0], 0},
                         {kindNames[1], 1},
                         {kindNames[2], 2},
                         {kindNames[3], 3},
                         {kindNames[4], 4}},
                        dialogData.kind);
    auto *rowBox = new QGroupBox(QStringLiteral("Label Row"), this);
    m_row = radioGroup(rowBox, {{"Upper", -1}, {"Middle", 0}, {"Lower", 1}}, dialogData.labelRow);
    auto *sideBox = new QGroupBox(QStringLiteral("Label Side"), this);
    m_side = radioGroup(sideBox, {{"Left", -1}, {"Right", 1}}, dialogData.labelSide);

    const std::pair<QCheckBox *, bool> boxes[] = {{m_visible, dialogData.visible},
                                                  {m_toHorizontal, dialogData.lineToHorizontalAxis},
                                                  {m_toVertical, dialogData.lineToVerticalAxis},
                                                  {m_showValue, dialogData.showValue},
                                                  {m_showPosition, dialogData.showPosition}};
    auto *showBox = new QGroupBox(QStringLiteral("Show"), this);
    auto *showLayout = new QVBoxLayout(showBox);
    for (const auto &[box, checked] : boxes) {
        box->setChecked(checked);
        showLayout->addWidget(box);
    }

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Position"), m_position);
    fields->addRow(QStringLiteral("Value to Find"), m_target);
    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(kindBox);
    auto *right = new QVBoxLayout;
    right->addWidget(showBox);
    auto *label = new QHBoxLayout;
    label->addWidget(rowBox);
    label->addWidget(sideBox);
    right->addLayout(label);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(DialogFields::okCancel(this));
}

void GraphMarkerDialog::accept()
{
    m_data.position = DialogFields::toStd(m_position->text());
    m_data.target = DialogFields::toStd(m_target->text());
    // A stored choice that no button stands for stays as it is.
    for (const auto &[group, value] :
         {std::pair{m_kind, &m_data.kind}, std::pair{m_row, &m_data.labelRow},
          std::pair{m_side, &m_data.labelSide}}) {
        if (group->checkedButton())
            *value = group->checkedId();
    }
    m_data.visible = m_visible->isChecked();
    m_data.lineToHorizontalAxis = m_toHorizontal->isChecked();
    m_data.lineToVerticalAxis = m_toVertical->isChecked();
    m_data.showValue = m_showValue->isChecked();
    m_data.showPosition = m_showPosition->isChecked();
    QDialog::accept();
}
