#pragma once

#include <tooldialogs/exportprompts.h>

#include <model/tcircuitdocument.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

// Runs the script on the next modal dialog of the type once it shows (the script must close
// it). Dialogs that open from inside the script need their own call before they open.
template<typename Dialog>
void onNextDialog(std::function<void(Dialog &)> script)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, script = std::move(script)] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        script(*dialog);
    });
    timer->start();
}

// Shows a dialog and waits until it is on the screen, so that clicks reach its controls.
void showDialog(QWidget &dialog);

// A left click on a button where its box or its text begins (a check box in a wide row does
// not answer to a click in the middle of the row).
void clickButton(QAbstractButton *button);

// A double click on a row of a list, scrolled into view first.
void doubleClickRow(QAbstractItemView &view, int row);

// Export prompts that answer with a file name the test gives and collect the errors.
class ScriptedExportPrompts : public ExportPrompts
{
public:
    QString saveFileName(QWidget *, const QString &caption) override
    {
        captions.append(caption);
        return fileName;
    }
    void showError(QWidget *, const QString &text) override { errors.append(text); }

    QString fileName;
    QStringList captions;
    QStringList errors;
};

// An example circuit, opened as it is stored.
std::unique_ptr<TCircuitDocument> openExample(const char *name);

// The first tool of the type in the document.
template<typename Tool>
Tool &toolOf(const TCircuitDocument &document)
{
    for (CircTool *tool : document.tools()) {
        if (auto *typed = dynamic_cast<Tool *>(tool))
            return *typed;
    }
    throw std::logic_error("no such tool");
}
