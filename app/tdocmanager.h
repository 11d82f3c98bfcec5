#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class DrawingSettings;
class RecentFiles;
class ShellPrompts;
class TCircuitDocument;

// The open circuit documents and the file commands on them: new, open, import, save, save as
// and close, with the document manager's messages and the save prompt. The manager owns the
// documents; the frame shows a view for each one it announces.
class TDocManager : public QObject
{
    Q_OBJECT

public:
    TDocManager(ShellPrompts &prompts, RecentFiles &recentFiles, DrawingSettings &settings,
                QObject *parent = nullptr);
    ~TDocManager() override;

    TCircuitDocument *createNew();
    // Opens a circuit file; a file already open answers its document. A file that cannot be
    // read, or is damaged, is reported and opens nothing (null).
    TCircuitDocument *open(const QString &path);
    // Draws a SPICE netlist on a new untitled document; an error is reported and opens nothing.
    TCircuitDocument *importNetlist(const QString &path);
    // Saves to the document's file, or asks for one when it has none. Answers whether it saved.
    bool save(TCircuitDocument &document);
    bool saveAs(TCircuitDocument &document);
    // Asks whether to save a changed document; answers false when the user cancels (or the
    // save fails), so that the document stays open.
    bool queryClose(TCircuitDocument &document);
    void close(TCircuitDocument &document);
    // Asks for every changed document first; closes all or, after a cancel, none.
    bool closeAll();

    const std::vector<std::unique_ptr<TCircuitDocument>> &documents() const { return m_documents; }
    // The file name without its folder, or "Untitled" (numbered from the second one).
    QString title(const TCircuitDocument &document) const;
    TCircuitDocument *documentWithPath(const QString &path) const;

signals:
    void documentAdded(TCircuitDocument *document);
    void documentClosing(TCircuitDocument *document);
    // The title or the modified state changed (after a save).
    void documentStateChanged(TCircuitDocument *document);

private:
    TCircuitDocument &addDocument(std::unique_ptr<TCircuitDocument> document);
    std::unique_ptr<TCircuitDocument> newDocument();

    ShellPrompts &m_prompts;
    RecentFiles &m_recentFiles;
    DrawingSettings &m_settings;
    std::vector<std::unique_ptr<TCircuitDocument>> m_documents;
    // The number of each untitled document, for its title.
    std::map<const TCircuitDocument *, int> m_untitledNumbers;
    int m_untitledCount = 0;
};
