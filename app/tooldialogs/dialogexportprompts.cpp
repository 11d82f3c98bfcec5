#include "dialogexportprompts.h"

#include "textexportdialog.h"

#include <QFileDialog>
#include <QMessageBox>

QString DialogExportPrompts::saveFileName(QWidget *parent, const QString &caption)
{
    QFileDialog dialog(parent, caption, QString(), TextExportDialog::fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void DialogExportPrompts::showError(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), text);
}
