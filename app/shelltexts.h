#pragma once

#include <QString>

// The fixed texts of the application shell: the document manager's messages, the captions
// and the file filters.
namespace ShellTexts {

inline QString applicationName()
{
    return QStringLiteral("Zenodyne");
}
inline QString unableToOpen()
{
    return QStringLiteral("Unable to open document.");
}
inline QString readError()
{
    return QStringLiteral("Document read error.");
}
inline QString writeError()
{
    return QStringLiteral("Document write error.");
}
inline QString saveChanges()
{
    return QStringLiteral("The document has been changed.\n\nDo you want to save the changes?");
}
inline QString circuitFilter()
{
    return QStringLiteral("Circuit Files (*.crc)");
}
inline QString netlistFilter()
{
    return QStringLiteral("SPICE Netlists (*.cir *.net *.sp *.txt);;All Files (*)");
}
// The caption of an editor view; %1 is the document's title, [*] the modified mark.
inline QString editorCaption(const QString &title)
{
    return QStringLiteral("Circuit Editor : %1[*]").arg(title);
}

// The caption of a message view; %1 is the document's title.
inline QString messagesCaption(const QString &title)
{
    return QStringLiteral("Messages : %1").arg(title);
}

} // namespace ShellTexts
