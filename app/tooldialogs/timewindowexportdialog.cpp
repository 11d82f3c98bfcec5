#include "timewindowexportdialog.h"

#include "dialogfields.h"

#include <QFormLayout>
#include <QLineEdit>

TimeWindowExportDialog::TimeWindowExportDialog(Fields fields, ExportPrompts &prompts,
                                               QWidget *parent)
    : TextExportDialog(QStringLiteral("Export Data from Time Domain Plot"), QStringLiteral("Data"),
                       prompts, parent)
    , m_target(std::move(fields))
    , m_start(DialogFields::lineEdit(m_target.start, this))
    , m_end(DialogFields::lineEdit(m_target.end, this))
    , m_points(DialogFields::lineEdit(m_target.dataPoints, this))
{
    this->fields().addRow(QStringLiteral("Start"), m_start);
    this->fields().addRow(QStringLiteral("End"), m_end);
    this->fields().addRow(QStringLiteral("Data Points"), m_points);
}

std::string TimeWindowExportDialog::exportText()
{
    m_target.start = DialogFields::toStd(m_start->text());
    m_target.end = DialogFields::toStd(m_end->text());
    m_target.dataPoints = DialogFields::toStd(m_points->text());
    return m_target.text();
}
