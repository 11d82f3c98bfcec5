#include "helpviewer.h"

#include "twbhdecframe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

HelpViewer::HelpViewer(QObject *parent)
    : QObject(parent)
    , m_folder(folderFor(QCoreApplication::applicationDirPath()))
{
}

HelpViewer::~HelpViewer()
{
    delete m_frame;
}

TWBHDecFrame *HelpViewer::frame() const
{
    return m_frame;
}

QString HelpViewer::folderFor(const QString &programFolder)
{
    const QDir program(programFolder);
    const QString built = program.filePath(QStringLiteral("help"));
    const QString installed
        = QDir::cleanPath(program.filePath(QStringLiteral("../share/zenodyne/help")));
    for (const QString &candidate : {built, installed}) {
        if (QFileInfo(QDir(candidate).filePath(QStringLiteral("default.html"))).isFile())
            return candidate;
    }
    return built;
}

void HelpViewer::showHelp(const QString &title)
{
    if (!m_frame) {
        m_frame = new TWBHDecFrame(m_folder);
        m_frame->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_frame->showTopic(title);
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
}

void HelpViewer::closeHelp()
{
    if (m_frame)
        m_frame->close();
}
