#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class TWBHDecFrame;

// The help of the program: at most one help frame, opened at a topic by its title (the Help
// menu, the "&Help" entry of the pop-up menu, the dialogs' Help buttons). The pages are read
// from the folder "help" next to the program (a build), else from share/zenodyne/help beside
// the program's folder (an installation).
class HelpViewer : public QObject
{
    Q_OBJECT

public:
    explicit HelpViewer(QObject *parent = nullptr);
    ~HelpViewer() override;

    const QString &folder() const { return m_folder; }
    // Pages from another folder; an open frame keeps its pages.
    void setFolder(const QString &folder) { m_folder = folder; }
    // The frame, while it exists.
    TWBHDecFrame *frame() const;

    // The help folder for the program in the given folder.
    static QString folderFor(const QString &programFolder);

public slots:
    // Creates the frame when there is none, shows the topic and brings the frame to the front.
    void showHelp(const QString &title);
    // Closes the frame, when there is one: the help goes with the program's main window.
    void closeHelp();

private:
    QString m_folder;
    QPointer<TWBHDecFrame> m_frame;
};
