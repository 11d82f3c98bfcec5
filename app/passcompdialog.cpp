#include "passcompdialog.h"

#include <model/basevaluehint.h>
#include <model/passcompdialogdata.h>

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int valueLength = 63;

} // namespace

PassCompDialog::PassCompDialog(PassCompDialogData &componentData, QWidget *parent)
    : ParameterDialog(QStringLiteral("Component Parameters"), componentData.label, parent)
    , m_data(componentData)
    , m_value(new QLineEdit(QString::fromStdString(componentData.value)))
    , m_unit(new QComboBox)
    , m_hint(new QLabel)
{
    m_value->setMaxLength(valueLength);
    if (componentData.units) {
        for (const std::string_view label : componentData.units->labels())
            m_unit->addItem(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    }
    // An index beyond the table (a damaged file) shows the unit the component computes with.
    m_unit->setCurrentIndex(std::clamp(componentData.unitIndex, 0, m_unit->count() - 1));
    // Wide enough for the longest hint of 14 digits, so that the row keeps its width as the
    // user types.
    m_hint->setMinimumWidth(
        m_hint->fontMetrics().horizontalAdvance(QStringLiteral("= -8.8888888888888e-888 ohm")));

    auto *row = new QHBoxLayout;
    row->addWidget(m_value, 1);
    row->addWidget(m_unit);
    row->addWidget(m_hint);
    form().addRow(QStringLiteral("Value"), row);

    connect(m_value, &QLineEdit::textChanged, this, &PassCompDialog::showHint);
    connect(m_unit, &QComboBox::currentIndexChanged, this, &PassCompDialog::showHint);
    showHint();
    m_value->selectAll();
    m_value->setFocus();
}

void PassCompDialog::showHint()
{
    if (!m_data.units)
        return;
    m_hint->setText(QString::fromStdString(
        baseValueHint(m_value->text().toStdString(), *m_data.units, m_unit->currentIndex())));
}

void PassCompDialog::accept()
{
    m_data.value = m_value->text().toStdString();
    m_data.unitIndex = m_unit->currentIndex();
    ParameterDialog::accept();
}
