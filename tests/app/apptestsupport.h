#pragma once

#include <shellprompts.h>
#include <support/tempfolder.h>
#include <tzenodyneapp.h>

#include <QApplication>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

class QWidget;
class TCircuitView;

// Prompts that answer as a test tells them and remember what they were asked.
class ScriptedPrompts : public ShellPrompts
{
public:
    SaveAnswer askSaveChanges(const QString &documentTitle) override;
    void showError(const QString &text) override;
    QString openFileName(const QString &caption, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &filter,
                         const QString &suggested) override;

    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    QString fileName;
    QStringList suggestedFileNames;
    QStringList saveQuestions;
    QStringList errors;
};

// The application on a settings folder of the test's own, with scripted prompts; the main
// window is shown and active, so that shortcuts reach it.
class AppFixture
{
public:
    AppFixture();
    ~AppFixture();

    TZenodyneApp &app() { return *m_app; }
    ScriptedPrompts &prompts() { return *m_prompts; }
    const TempFolder &folder() const { return m_folder; }
    TCircuitView *activeView() const;

private:
    TempFolder m_folder;
    ScriptedPrompts *m_prompts;
    std::unique_ptr<TZenodyneApp> m_app;
};

std::filesystem::path examplePath(const char *name);
QString exampleFile(const char *name);
// Clicks, presses and drags of the left button on a widget, with the moves between them.
void dragMouse(QWidget *widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {});
void clickMouse(QWidget *widget, QPoint at, Qt::KeyboardModifiers modifiers = {});

// Acts on the modal dialog of the given class as soon as it runs (the next event round after
// the call): a test arms it before it triggers what opens the dialog.
template<typename Dialog>
void whenModal(std::function<void(Dialog &)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = dynamic_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog)
            act(*dialog);
    });
}
