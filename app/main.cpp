// zenodyne: the desktop program.

#include "commandline.h"
#include "desktop/desktopregistration.h"
#include "headlessexport.h"
#include "tzenodyneapp.h"
#include "tzenodynedecmdiframe.h"

#include <tools/persistentclasses.h>

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
           || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int exportImage(int argc, char **argv, const CommandLine &line)
{
    // The export draws off screen and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString problem
        = exportCircuitImage(line.arguments.at(0), line.arguments.at(1),
                             QDir(line.settingsFolder).filePath(QStringLiteral("ZENODYNE.INI")));
    if (problem.isEmpty())
        return 0;
    print(stderr, QStringLiteral("zenodyne: %1\n").arg(problem));
    return 1;
}

// --register writes the desktop registration for the current user, an option that is a prefix
// of "unregister" removes it; neither needs a display.
int changeRegistration(int argc, char **argv, bool add)
{
    QCoreApplication application(argc, argv);
    const DesktopRegistration registration(DesktopRegistration::userDataFolder(),
                                           QCoreApplication::applicationFilePath());
    const QString problem = add ? registration.registerProgram() : registration.unregisterProgram();
    if (!problem.isEmpty()) {
        print(stderr, QStringLiteral("zenodyne: %1\n").arg(problem));
        return 1;
    }
    const QStringList files = registration.files();
    print(stdout, (add ? QStringLiteral("Registered:\n  ") : QStringLiteral("Removed:\n  "))
                      + files.join(QStringLiteral("\n  ")) + QLatin1Char('\n'));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    registerPersistentClasses();
    const CommandLine line = CommandLine::parse(argumentsOf(argc, argv));
    if (!line.error.isEmpty()) {
        print(stderr, QStringLiteral("zenodyne: %1\n\n%2").arg(line.error, CommandLine::usage()));
        return 2;
    }
    if (line.help) {
        print(stdout, CommandLine::usage());
        return 0;
    }
    if (line.version) {
        print(stdout, QStringLiteral("Zenodyne %1\n").arg(QStringLiteral(ZENODYNE_VERSION)));
        return 0;
    }
    if (line.exportImage)
        return exportImage(argc, argv, line);
    if (line.arguments.contains(QStringLiteral("--register")))
        return changeRegistration(argc, argv, true);
    for (const QString &argument : line.arguments) {
        if (argument.startsWith(QLatin1Char('-')) && TZenodyneApp::isUnregisterOption(argument))
            return changeRegistration(argc, argv, false);
    }
    if (!hasDisplay()) {
        print(stderr, QStringLiteral("zenodyne: there is no display to show the program on "
                                     "(DISPLAY is not set); --export-image works without one.\n"));
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenodyne"));
    QApplication::setApplicationVersion(QStringLiteral(ZENODYNE_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DesktopRegistration::desktopId));
    TZenodyneApp app(line.settingsFolder);
    app.frame().restorePlacement();
    app.frame().showAsPlaced();
    app.processCommandLine(line.arguments);
    return QApplication::exec();
}
