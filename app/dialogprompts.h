#pragma once

#include "shellprompts.h"

// The prompts of the running program: message boxes and file dialogs over the main window.
class DialogPrompts : public ShellPrompts
{
public:
    explicit DialogPrompts(QWidget *parent)
        : m_parent(parent)
    {
    }
    void setParent(QWidget *parent) { m_parent = parent; }

    SaveAnswer askSaveChanges(const QString &documentTitle) override;
    void showError(const QString &text) override;
    QString openFileName(const QString &caption, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &filter,
                         const QString &suggested) override;

private:
    QWidget *m_parent;
};
