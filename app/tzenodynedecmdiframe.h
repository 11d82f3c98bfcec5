#pragma once

#include <QMainWindow>

class CircuitEditorMenus;
class CompileCircuitDialog;
class MessageView;
class PaletteToolBar;
class QAction;
class QActionGroup;
class QLabel;
class QMdiSubWindow;
class QMenu;
class TCircuitDocument;
class TCircuitView;
class TZenodyneApp;
class TZenodyneMDIChild;
class TZenodyneMDIClient;

// The main window: the menus File, Edit, View, Options, Window and Help (Edit, View and
// Options while a circuit view is active), the palette toolbar, the status bar and the client
// area with one subwindow per circuit view. Files dropped on it are opened.
class TZenodyneDecMDIFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit TZenodyneDecMDIFrame(TZenodyneApp &app);
    ~TZenodyneDecMDIFrame() override;

    TZenodyneMDIClient &client() const { return *m_client; }
    CircuitEditorMenus &editorMenus() const { return *m_editorMenus; }
    PaletteToolBar &paletteToolBar() const { return *m_toolBar; }
    TCircuitView *activeView() const;
    TZenodyneMDIChild *childFor(const TCircuitDocument &document) const;
    // The message view of a document, null when none is open.
    MessageView *messageViewFor(const TCircuitDocument &document) const;
    // Brings the document's message view to the top, opening one when there is none.
    void showMessageView(TCircuitDocument &document);
    CompileCircuitDialog &compileDialog() const { return *m_compileDialog; }
    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *windowMenu() const { return m_windowMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }

    // Places the window as the settings say (before it is shown), then shows it so, maximised
    // when it was.
    void restorePlacement();
    void showAsPlaced();

    // The File menu's commands.
    void fileNew();
    void fileOpen();
    void fileClose();
    void fileCloseAll();
    void fileSave();
    void fileSaveAs();
    void fileImportNetlist();
    void fileExportImages();
    void filePrintPreview();
    void filePrint();
    void filePrintSetup();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createFileMenu();
    void createWindowMenu();
    void createHelpMenu();
    void connectOptions();
    void showView(TCircuitDocument *document);
    void closeViewsOf(TCircuitDocument *document);
    QMdiSubWindow *messageWindowFor(const TCircuitDocument &document) const;
    void placeUnderCircuitView(const TCircuitDocument &document, QMdiSubWindow &messages);
    void placeBesideActive(QMdiSubWindow &child) const;
    void showMessageSubject(TCircuitDocument &document, const QString &message);
    void activeViewChanged();
    void updateFileMenu();
    void updateRecentFiles();
    void updateWindowList();
    void openRecent(const QString &path);
    void showAbout();
    void savePlacement();

    void chooseFont();
    void chooseColors(bool printer);
    void editDocumentOptions();
    void editNumericParameters();

    TZenodyneApp &m_app;
    TZenodyneMDIClient *m_client;
    PaletteToolBar *m_toolBar;
    CircuitEditorMenus *m_editorMenus = nullptr;
    CompileCircuitDialog *m_compileDialog;
    QLabel *m_sheetPoint;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_recentSeparator = nullptr;
    QAction *m_exitSeparator = nullptr;
    QList<QAction *> m_recentActions;
    QList<QAction *> m_documentActions;
    QList<QAction *> m_windowListActions;
    // The windows of the list are exclusive: their marks show as radio buttons.
    QActionGroup *m_windowListGroup = nullptr;
    QAction *m_windowListSeparator = nullptr;
    QAction *m_exportImages = nullptr;
    bool m_startMaximized = false;
};
