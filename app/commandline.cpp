#include "commandline.h"

#include <QStandardPaths>

CommandLine CommandLine::parse(const QStringList &argumentsWithoutProgram)
{
    CommandLine line;
    for (qsizetype index = 0; index < argumentsWithoutProgram.size(); ++index) {
        const QString &argument = argumentsWithoutProgram.at(index);
        if (argument == QLatin1String("--settings")) {
            if (++index == argumentsWithoutProgram.size()) {
                line.error = QStringLiteral("--settings needs a folder");
                return line;
            }
            line.settingsFolder = argumentsWithoutProgram.at(index);
        } else if (argument.startsWith(QLatin1String("--settings="))) {
            line.settingsFolder = argument.mid(QStringLiteral("--settings=").size());
        } else if (argument == QLatin1String("--export-image")) {
            line.exportImage = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
        } else if (argument == QLatin1String("--version")) {
            line.version = true;
        } else {
            line.arguments.append(argument);
        }
    }
    if (line.exportImage && line.arguments.size() != 2)
        line.error = QStringLiteral("--export-image needs a circuit file and an image file");
    if (line.settingsFolder.isEmpty())
        line.settingsFolder = defaultSettingsFolder();
    return line;
}

QString CommandLine::defaultSettingsFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ZENODYNE_SETTINGS");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: zenodyne [--settings DIR] [FILE.crc ...]\n"
        "       zenodyne [--settings DIR] --export-image FILE.crc OUT.png|OUT.svg|OUT.pdf\n"
        "       zenodyne --register | --unregister\n"
        "\n"
        "Opens the circuit files in the desktop program, or writes the picture of a circuit\n"
        "(all of it, cut to its things) as an image without opening a window.\n"
        "--register makes the desktop open *.crc files with this program (for the current\n"
        "user); --unregister takes that back.\n"
        "The settings (ZENODYNE.INI) are read from DIR, else from the folder that the\n"
        "environment variable ZENODYNE_SETTINGS names, else from the user's configuration "
        "folder.\n");
}
