#include "bodeplotdataexportdialog.h"

#include "dialogfields.h"

#include <tools/bodeplotexportdata.h>

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Two exclusive choices on one row.
QHBoxLayout *choice(QRadioButton *first, QRadioButton *second, bool firstChecked)
{
    auto *group = new QButtonGroup(first->parent());
    group->addButton(first);
    group->addButton(second);
    (firstChecked ? first : second)->setChecked(true);
    auto *row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return row;
}

} // namespace

BodePlotDataExportDialog::BodePlotDataExportDialog(BodePlotExportData &dialogData,
                                                   ExportPrompts &prompts, QWidget *parent)
    : TextExportDialog(QStringLiteral("Export Data from Bode Plot"), QStringLiteral("Data"),
                       prompts, parent)
    , m_data(dialogData)
    , m_start(DialogFields::lineEdit(dialogData.startDecade, this))
    , m_decades(DialogFields::lineEdit(dialogData.decades, this))
    , m_points(DialogFields::lineEdit(dialogData.dataPoints, this))
    , m_radians(new QRadioButton(QStringLiteral("rad/s"), this))
    , m_hertz(new QRadioButton(QStringLiteral("Hz"), this))
    , m_log(new QRadioButton(QStringLiteral("Log(freq)"), this))
    , m_linear(new QRadioButton(QStringLiteral("freq"), this))
{
    fields().addRow(QStringLiteral("Start Decade"), m_start);
    fields().addRow(QStringLiteral("Decades"), m_decades);
    fields().addRow(QStringLiteral("Data Points"), m_points);
    fields().addRow(choice(m_radians, m_hertz, dialogData.radiansPerSecond));
    fields().addRow(choice(m_log, m_linear, dialogData.logFrequency));
}

std::string BodePlotDataExportDialog::exportText()
{
    m_data.startDecade = DialogFields::toStd(m_start->text());
    m_data.decades = DialogFields::toStd(m_decades->text());
    m_data.dataPoints = DialogFields::toStd(m_points->text());
    m_data.radiansPerSecond = m_radians->isChecked();
    m_data.logFrequency = m_log->isChecked();
    return m_data.text();
}
