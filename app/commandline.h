#pragma once

#include <QString>
#include <QStringList>

// The desktop program's command line:
//
//   zenodyne [--settings DIR] [FILE.crc ...]
//   zenodyne [--settings DIR] --export-image FILE.crc OUT.png|OUT.svg|OUT.pdf
//
// File names open documents; an option that is a prefix of "unregister" is kept for the
// application, which ends its processing there. The settings folder comes from --settings, else
// from the environment variable ZENODYNE_SETTINGS, else from the platform's configuration
// folder.
struct CommandLine
{
    QString settingsFolder;
    bool exportImage = false;
    bool help = false;
    bool version = false;
    // The file names and the application's own options, in order.
    QStringList arguments;
    // Why the command line cannot be used; empty when it can.
    QString error;

    static CommandLine parse(const QStringList &argumentsWithoutProgram);
    static QString usage();
    // The folder of the environment variable, or the platform's configuration folder.
    static QString defaultSettingsFolder();
};
