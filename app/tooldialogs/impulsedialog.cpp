#include "impulsedialog.h"

#include "dialogfields.h"

#include <tools/impulsedialogdata.h>

#include <QFormLayout>
#include <QLineEdit>

ImpulseDialog::ImpulseDialog(ImpulseDialogData &dialogData, QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_start(DialogFields::lineEdit(dialogData.start, this))
    , m_magnitude(DialogFields::lineEdit(dialogData.magnitude, this))
{
    setWindowTitle(QStringLiteral("Impulse Signal Parameters"));
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Start"), m_start);
    layout->addRow(QStringLiteral("Magnitude"), m_magnitude);
    layout->addRow(DialogFields::okCancel(this));
}

void ImpulseDialog::accept()
{
    m_data.start = DialogFields::toStd(m_start->text());
    m_data.magnitude = DialogFields::toStd(m_magnitude->text());
    QDialog::accept();
}
