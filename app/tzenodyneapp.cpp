#include "tzenodyneapp.h"

#include "dialogprompts.h"
#include "drawingsettings.h"
#include "help/helpviewer.h"
#include "qtclipboard.h"
#include "qtparameterdialogs.h"
#include "recentfiles.h"
#include "tdocmanager.h"
#include "tzenodynedecmdiframe.h"

#include <editor/palette.h>
#include <model/tcircuitdocument.h>

#include <QDir>

#include <utility>

TZenodyneApp::TZenodyneApp(const QString &settingsFolder, std::unique_ptr<ShellPrompts> prompts)
    : m_iniPath(QDir(settingsFolder).filePath(QStringLiteral("ZENODYNE.INI")))
    , m_recentFiles(std::make_unique<RecentFiles>(m_iniPath))
    , m_drawingSettings(std::make_unique<DrawingSettings>(m_iniPath))
    , m_palette(std::make_unique<Palette>())
    , m_clipboard(std::make_unique<QtClipboard>())
    , m_dialogs(std::make_unique<QtParameterDialogs>())
    , m_prompts(std::move(prompts))
    , m_helpViewer(std::make_unique<HelpViewer>())
{
    QDir().mkpath(settingsFolder);
    static_cast<QtParameterDialogs &>(*m_dialogs).setHelp([this](const QString &topic) {
        m_helpViewer->showHelp(topic);
    });
    auto *dialogPrompts = m_prompts ? nullptr : new DialogPrompts(nullptr);
    if (dialogPrompts)
        m_prompts.reset(dialogPrompts);
    m_docManager = std::make_unique<TDocManager>(*m_prompts, *m_recentFiles, *m_drawingSettings);
    m_frame = std::make_unique<TZenodyneDecMDIFrame>(*this);
    if (dialogPrompts)
        dialogPrompts->setParent(m_frame.get());
    giveWayToTheFirstOpened();
}

// The new circuit of a start without files gives way to the first document opened after it
// while it is untouched (nothing drawn, nothing changed, never saved), as a blank start page
// does; once anything else is open it stays.
void TZenodyneApp::giveWayToTheFirstOpened()
{
    TDocManager *manager = m_docManager.get();
    QObject::connect(manager, &TDocManager::documentAdded, manager,
                     [this](TCircuitDocument *added) {
                         TCircuitDocument *start = std::exchange(m_startDocument, nullptr);
                         if (start && start != added && start->path().empty()
                             && !start->isModified() && start->thingCount() == 0)
                             m_docManager->close(*start);
                     });
    QObject::connect(manager, &TDocManager::documentClosing, manager,
                     [this](const TCircuitDocument *closing) {
                         if (closing == m_startDocument)
                             m_startDocument = nullptr;
                     });
}

TZenodyneApp::~TZenodyneApp()
{
    // The views go with the frame, before their documents.
    m_frame.reset();
    m_docManager.reset();
}

bool TZenodyneApp::isUnregisterOption(const QString &argument)
{
    QString option = argument;
    while (option.startsWith(QLatin1Char('-')))
        option.remove(0, 1);
    return !option.isEmpty()
           && QStringLiteral("unregister").startsWith(option, Qt::CaseInsensitive);
}

void TZenodyneApp::processCommandLine(const QStringList &arguments)
{
    bool named = false;
    for (const QString &argument : arguments) {
        // Options start with a dash; a slash begins a path here.
        if (argument.startsWith(QLatin1Char('-'))) {
            if (isUnregisterOption(argument))
                return;
            continue;
        }
        named = true;
        m_docManager->open(argument);
    }
    // Started without a file, the program is ready to draw on a new circuit.
    if (!named)
        m_startDocument = m_docManager->createNew();
}
