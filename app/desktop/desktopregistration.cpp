#include "desktopregistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The registered files below the data folder, each with the resource it is made from.
struct RegisteredFile
{
    const char *path;
    const char *resource;
};

constexpr RegisteredFile registeredFiles[] = {
    {"applications/org.zenodyne.Zenodyne.desktop", ":/desktop/org.zenodyne.Zenodyne.desktop"},
    {"mime/packages/org.zenodyne.Zenodyne.xml", ":/desktop/org.zenodyne.Zenodyne.xml"},
    {"icons/hicolor/scalable/apps/org.zenodyne.Zenodyne.svg",
     ":/desktop/icons/org.zenodyne.Zenodyne.svg"},
    {"icons/hicolor/scalable/mimetypes/application-x-zenodyne-circuit.svg",
     ":/desktop/icons/application-x-zenodyne-circuit.svg"},
};

QByteArray resource(const char *name)
{
    QFile file(QString::fromUtf8(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A desktop entry's Exec argument: quoted when it holds characters the format reserves.
QString execArgument(const QString &path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (const QChar c : path)
        quote = quote || reserved.contains(c);
    if (!quote)
        return path;
    QString escaped = path;
    for (const QString &c :
         {QStringLiteral("\\"), QStringLiteral("\""), QStringLiteral("`"), QStringLiteral("$")})
        escaped.replace(c, QStringLiteral("\\") + c);
    // The desktop entry's own string escapes double the backslashes once more.
    escaped.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    return QStringLiteral("\"%1\"").arg(escaped);
}

void runWhenPresent(const QString &program, const QStringList &arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty())
        QProcess::execute(found, arguments);
}

} // namespace

DesktopRegistration::DesktopRegistration(const QString &dataFolder, const QString &programPath,
                                         Runner runner)
    : m_dataFolder(dataFolder)
    , m_programPath(programPath)
    , m_runner(runner ? std::move(runner) : Runner(runWhenPresent))
{
}

QString DesktopRegistration::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QStringList DesktopRegistration::files() const
{
    QStringList paths;
    const QDir data(m_dataFolder);
    for (const RegisteredFile &file : registeredFiles)
        paths.append(data.filePath(QString::fromUtf8(file.path)));
    return paths;
}

QString DesktopRegistration::desktopEntry() const
{
    QString entry = QString::fromUtf8(resource(registeredFiles[0].resource));
    entry.replace(QStringLiteral("\nExec=zenodyne %F"),
                  QStringLiteral("\nExec=%1 %F").arg(execArgument(m_programPath)));
    return entry;
}

QString DesktopRegistration::registerProgram() const
{
    const QStringList paths = files();
    for (qsizetype index = 0; index < paths.size(); ++index) {
        const QString &path = paths.at(index);
        const QByteArray contents
            = index == 0 ? desktopEntry().toUtf8() : resource(registeredFiles[index].resource);
        QFile file(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
            || file.write(contents) != contents.size())
            return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    }
    runUpdates();
    return {};
}

QString DesktopRegistration::unregisterProgram() const
{
    QString problem;
    for (const QString &path : files()) {
        QFile file(path);
        if (file.exists() && !file.remove() && problem.isEmpty())
            problem = QStringLiteral("Cannot remove %1: %2").arg(path, file.errorString());
    }
    runUpdates();
    return problem;
}

void DesktopRegistration::runUpdates() const
{
    const QDir data(m_dataFolder);
    m_runner(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
    m_runner(QStringLiteral("update-desktop-database"),
             {data.filePath(QStringLiteral("applications"))});
    const QString icons = data.filePath(QStringLiteral("icons/hicolor"));
    if (QFileInfo::exists(QDir(icons).filePath(QStringLiteral("index.theme"))))
        m_runner(QStringLiteral("gtk-update-icon-cache"), {QStringLiteral("-q"), icons});
}
