#pragma once

#include <QString>

class QWidget;

// What the export dialogs ask the user: the file to save to (with the overwrite question) and
// the report of a failed save. The program asks through a file dialog and a message box; tests
// answer in their place.
class ExportPrompts
{
public:
    virtual ~ExportPrompts() = default;

    // A "Text Data (*.txt)" file; empty when the user cancels.
    virtual QString saveFileName(QWidget *parent, const QString &caption) = 0;
    virtual void showError(QWidget *parent, const QString &text) = 0;

protected:
    ExportPrompts() = default;
};
