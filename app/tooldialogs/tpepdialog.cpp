#include "tpepdialog.h"

#include <QCheckBox>
#include <QVBoxLayout>

TPEPDialog::TPEPDialog(TPEPDialogData &dialogData, GraphDialogs &dialogs, QWidget *parent)
    : TPEPDialogSimple(dialogData, dialogs, parent)
    , m_showLine(new QCheckBox(QStringLiteral("Show Line"), this))
{
    m_showLine->setChecked(dialogData.line.shown);
    // Below the line's title.
    mainLayout().insertWidget(1, m_showLine);
}

void TPEPDialog::accept()
{
    work().line.shown = m_showLine->isChecked();
    TPEPDialogSimple::accept();
}
