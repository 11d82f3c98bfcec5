#include "apptestsupport.h"

#include <filepaths.h>
#include <tcircuitview.h>
#include <tzenodynedecmdiframe.h>

#include <QApplication>
#include <QTest>

ShellPrompts::SaveAnswer ScriptedPrompts::askSaveChanges(const QString &documentTitle)
{
    saveQuestions.append(documentTitle);
    return saveAnswer;
}

void ScriptedPrompts::showError(const QString &text)
{
    errors.append(text);
}

QString ScriptedPrompts::openFileName(const QString &, const QString &)
{
    return fileName;
}

QString ScriptedPrompts::saveFileName(const QString &, const QString &, const QString &suggested)
{
    suggestedFileNames.append(suggested);
    return fileName;
}

AppFixture::AppFixture()
{
    auto prompts = std::make_unique<ScriptedPrompts>();
    m_prompts = prompts.get();
    m_app
        = std::make_unique<TZenodyneApp>(FilePaths::toQString(m_folder.path()), std::move(prompts));
    TZenodyneDecMDIFrame &frame = m_app->frame();
    frame.resize(1000, 700);
    frame.show();
    QApplication::setActiveWindow(&frame);
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&frame);
}

AppFixture::~AppFixture()
{
    m_app.reset();
}

TCircuitView *AppFixture::activeView() const
{
    return m_app->frame().activeView();
}

std::filesystem::path examplePath(const char *name)
{
    return std::filesystem::path(ZENODYNE_SOURCE_DIR) / "examples" / name;
}

QString exampleFile(const char *name)
{
    return FilePaths::toQString(examplePath(name));
}

void dragMouse(QWidget *widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(widget, Qt::LeftButton, modifiers, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, modifiers, to);
}

void clickMouse(QWidget *widget, QPoint at, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(widget, Qt::LeftButton, modifiers, at);
    QTest::mouseRelease(widget, Qt::LeftButton, modifiers, at);
}
