#pragma once

#include "exportprompts.h"

// The export prompts of the running program: a save dialog for text data that adds ".txt" to a
// name without an extension and asks before replacing a file, and a warning box.
class DialogExportPrompts : public ExportPrompts
{
public:
    QString saveFileName(QWidget *parent, const QString &caption) override;
    void showError(QWidget *parent, const QString &text) override;
};
