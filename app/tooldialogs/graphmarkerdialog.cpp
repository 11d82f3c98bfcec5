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

#include <span>
#include <utility>

namespace {

// A group of radio buttons for the values, each with its index as its id; the button of the
// current value is checked.
template<std::size_t count>
QButtonGroup *radioGroup(QGroupBox *box, const std::array<const char *, count> &texts,
                         const std::array<std::int32_t, count> &values, std::int32_t current)
{
    auto *group = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    for (std::size_t i = 0; i < count; ++i) {
        auto *button = new QRadioButton(QString::fromUtf8(texts[i]), box);
        button->setChecked(values[i] == current);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    return group;
}

// The value of the checked button; a stored value that no button stands for stays.
void readGroup(const QButtonGroup &group, std::span<const std::int32_t> values, std::int32_t &value)
{
    const int id = group.checkedId();
    if (id >= 0 && static_cast<std::size_t>(id) < values.size())
        value = values[static_cast<std::size_t>(id)];
}

constexpr std::array<std::int32_t, 5> kindValues = {0, 1, 2, 3, 4};

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
    m_kind = radioGroup(kindBox, kindNames, kindValues, dialogData.kind);
    auto *rowBox = new QGroupBox(QStringLiteral("Label Row"), this);
    m_row = radioGroup(rowBox, std::array<const char *, 3>{"Upper", "Middle", "Lower"}, rowValues,
                       dialogData.labelRow);
    auto *sideBox = new QGroupBox(QStringLiteral("Label Side"), this);
    m_side = radioGroup(sideBox, std::array<const char *, 2>{"Left", "Right"}, sideValues,
                        dialogData.labelSide);

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
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(showBox);
    auto *label = new QHBoxLayout;
    label->addWidget(rowBox);
    label->addWidget(sideBox);
    right->addLayout(label);
    right->addStretch();
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
    readGroup(*m_kind, kindValues, m_data.kind);
    readGroup(*m_row, rowValues, m_data.labelRow);
    readGroup(*m_side, sideValues, m_data.labelSide);
    m_data.visible = m_visible->isChecked();
    m_data.lineToHorizontalAxis = m_toHorizontal->isChecked();
    m_data.lineToVerticalAxis = m_toVertical->isChecked();
    m_data.showValue = m_showValue->isChecked();
    m_data.showPosition = m_showPosition->isChecked();
    QDialog::accept();
}
