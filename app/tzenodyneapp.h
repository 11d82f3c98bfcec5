#pragma once

#include "shellprompts.h"

#include <QString>
#include <QStringList>

#include <memory>

class DrawingSettings;
class EditorClipboard;
class HelpViewer;
class Palette;
class ParameterDialogs;
class RecentFiles;
class TCircuitDocument;
class TDocManager;
class TZenodyneDecMDIFrame;

// The application: the settings file, the recent files, the drawing settings, the palette and
// clipboard shared by every view, the document manager and the main window. Tests make one
// with a settings folder of their own and prompts that answer for the user.
class TZenodyneApp
{
public:
    // The settings live in "ZENODYNE.INI" in the folder; the prompts default to dialogs over
    // the main window.
    explicit TZenodyneApp(const QString &settingsFolder,
                          std::unique_ptr<ShellPrompts> prompts = nullptr);
    TZenodyneApp(const TZenodyneApp &) = delete;
    TZenodyneApp &operator=(const TZenodyneApp &) = delete;
    ~TZenodyneApp();

    // Opens the files named on the command line, or a new circuit when it names none (the
    // first document opened replaces it while nothing was drawn on it). An option that is a prefix
    // of "unregister" ends the processing (the program removes its desktop registration before it
    // gets here).
    void processCommandLine(const QStringList &arguments);

    const QString &iniPath() const { return m_iniPath; }
    RecentFiles &recentFiles() const { return *m_recentFiles; }
    DrawingSettings &drawingSettings() const { return *m_drawingSettings; }
    Palette &palette() const { return *m_palette; }
    EditorClipboard &clipboard() const { return *m_clipboard; }
    ParameterDialogs &parameterDialogs() const { return *m_dialogs; }
    ShellPrompts &prompts() const { return *m_prompts; }
    TDocManager &docManager() const { return *m_docManager; }
    TZenodyneDecMDIFrame &frame() const { return *m_frame; }
    // The help frame, opened at a topic title with showHelp.
    HelpViewer &helpViewer() const { return *m_helpViewer; }

    // Whether a command-line option asks to remove the registration: its text without the
    // leading dashes is a prefix of "unregister", compared without regard to case.
    static bool isUnregisterOption(const QString &argument);

private:
    void giveWayToTheFirstOpened();

    QString m_iniPath;
    std::unique_ptr<RecentFiles> m_recentFiles;
    std::unique_ptr<DrawingSettings> m_drawingSettings;
    std::unique_ptr<Palette> m_palette;
    std::unique_ptr<EditorClipboard> m_clipboard;
    std::unique_ptr<ParameterDialogs> m_dialogs;
    std::unique_ptr<ShellPrompts> m_prompts;
    std::unique_ptr<TDocManager> m_docManager;
    std::unique_ptr<HelpViewer> m_helpViewer;
    std::unique_ptr<TZenodyneDecMDIFrame> m_frame;
    // The new circuit of a start without files, until another document opens.
    TCircuitDocument *m_startDocument = nullptr;
};
