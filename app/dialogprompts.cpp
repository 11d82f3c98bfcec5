#include "dialogprompts.h"

#include "shelltexts.h"

#include <QFileDialog>
#include <QMessageBox>

ShellPrompts::SaveAnswer DialogPrompts::askSaveChanges(const QString &documentTitle)
{
    QMessageBox box(QMessageBox::Question, documentTitle, ShellTexts::saveChanges(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Save;
    case QMessageBox::No:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

void DialogPrompts::showError(const QString &text)
{
    QMessageBox::warning(m_parent, ShellTexts::applicationName(), text);
}

QString DialogPrompts::openFileName(const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, QString(), filter);
}

QString DialogPrompts::saveFileName(const QString &caption, const QString &filter,
                                    const QString &suggested)
{
    return QFileDialog::getSaveFileName(m_parent, caption, suggested, filter);
}
