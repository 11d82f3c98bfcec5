#include "tdocmanager.h"

#include "drawingsettings.h"
#include "filepaths.h"
#include "recentfiles.h"
#include "shellprompts.h"
#include "shelltexts.h"

#include <import/spiceimport.h>
#include <model/tcircuitdocument.h>

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString withReason(const QString &message, const FileResult &result)
{
    QString text = message;
    if (!result.reason.empty())
        text += QStringLiteral("\n\n") + QString::fromStdString(result.reason);
    if (result.status == FileResult::Status::Damaged)
        text += QStringLiteral(" (at byte %1)").arg(result.offset);
    return text;
}

} // namespace

TDocManager::TDocManager(ShellPrompts &prompts, RecentFiles &recentFiles, DrawingSettings &settings,
                         QObject *parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_recentFiles(recentFiles)
    , m_settings(settings)
{
}

TDocManager::~TDocManager()
{
    while (!m_documents.empty())
        close(*m_documents.back());
}

std::unique_ptr<TCircuitDocument> TDocManager::newDocument()
{
    // The drawing font and colours are read when the first document of a session is made.
    m_settings.acquire();
    return std::make_unique<TCircuitDocument>();
}

TCircuitDocument &TDocManager::addDocument(std::unique_ptr<TCircuitDocument> document)
{
    TCircuitDocument &added = *document;
    m_documents.push_back(std::move(document));
    emit documentAdded(&added);
    return added;
}

TCircuitDocument *TDocManager::createNew()
{
    auto document = newDocument();
    document->openNew();
    m_untitledNumbers[document.get()] = ++m_untitledCount;
    return &addDocument(std::move(document));
}

TCircuitDocument *TDocManager::documentWithPath(const QString &path) const
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (const auto &document : m_documents) {
        if (!document->path().empty()
            && QFileInfo(FilePaths::toQString(document->path())).absoluteFilePath() == wanted)
            return document.get();
    }
    return nullptr;
}

TCircuitDocument *TDocManager::open(const QString &path)
{
    if (TCircuitDocument *existing = documentWithPath(path)) {
        m_recentFiles.add(QFileInfo(path).absoluteFilePath());
        return existing;
    }
    auto document = newDocument();
    const FileResult result = document->open(FilePaths::toPath(path));
    if (!result.ok()) {
        document.reset();
        m_settings.release();
        m_prompts.showError(withReason(result.status == FileResult::Status::Damaged
                                           ? ShellTexts::readError()
                                           : ShellTexts::unableToOpen(),
                                       result));
        return nullptr;
    }
    m_recentFiles.add(QFileInfo(path).absoluteFilePath());
    return &addDocument(std::move(document));
}

TCircuitDocument *TDocManager::importNetlist(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompts.showError(ShellTexts::unableToOpen() + QStringLiteral("\n\n")
                            + file.errorString());
        return nullptr;
    }
    const QByteArray text = file.readAll();
    auto document = newDocument();
    document->openNew();
    const SpiceImportResult result = importSpiceNetlist(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), *document);
    if (!result.ok()) {
        document.reset();
        m_settings.release();
        m_prompts.showError(QStringLiteral("The netlist cannot be imported.\n\n")
                            + QString::fromStdString(result.error));
        return nullptr;
    }
    m_untitledNumbers[document.get()] = ++m_untitledCount;
    return &addDocument(std::move(document));
}

bool TDocManager::save(TCircuitDocument &document)
{
    if (document.path().empty())
        return saveAs(document);
    const FileResult result = document.commit(true);
    if (!result.ok()) {
        m_prompts.showError(withReason(ShellTexts::writeError(), result));
        return false;
    }
    emit documentStateChanged(&document);
    return true;
}

bool TDocManager::saveAs(TCircuitDocument &document)
{
    // A document with a file suggests that file, so that the dialog opens in its folder.
    const QString suggested
        = document.path().empty()
              ? title(document)
              : QFileInfo(FilePaths::toQString(document.path())).absoluteFilePath();
    QString path
        = m_prompts.saveFileName(QStringLiteral("Save As"), ShellTexts::circuitFilter(), suggested);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".crc");
    const std::filesystem::path previous = document.path();
    document.setPath(FilePaths::toPath(path));
    const FileResult result = document.commit(true);
    if (!result.ok()) {
        document.setPath(previous);
        m_prompts.showError(withReason(ShellTexts::writeError(), result));
        return false;
    }
    m_untitledNumbers.erase(&document);
    m_recentFiles.add(QFileInfo(path).absoluteFilePath());
    emit documentStateChanged(&document);
    return true;
}

bool TDocManager::queryClose(TCircuitDocument &document)
{
    if (!document.isModified())
        return true;
    switch (m_prompts.askSaveChanges(title(document))) {
    case ShellPrompts::SaveAnswer::Save:
        return save(document);
    case ShellPrompts::SaveAnswer::Discard:
        return true;
    case ShellPrompts::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TDocManager::close(TCircuitDocument &document)
{
    const auto found = std::find_if(m_documents.begin(), m_documents.end(),
                                    [&](const auto &owned) { return owned.get() == &document; });
    if (found == m_documents.end())
        return;
    // Out of the list first, so that the views closing with it find it gone.
    std::unique_ptr<TCircuitDocument> closing = std::move(*found);
    m_documents.erase(found);
    emit documentClosing(closing.get());
    m_untitledNumbers.erase(closing.get());
    closing->close();
    closing.reset();
    // After the last document the font is released; the next document reads it anew.
    m_settings.release();
}

bool TDocManager::closeAll()
{
    for (const auto &document : m_documents) {
        if (!queryClose(*document))
            return false;
    }
    while (!m_documents.empty())
        close(*m_documents.back());
    return true;
}

QString TDocManager::title(const TCircuitDocument &document) const
{
    if (!document.path().empty())
        return QFileInfo(FilePaths::toQString(document.path())).fileName();
    const auto found = m_untitledNumbers.find(&document);
    const int number = found == m_untitledNumbers.end() ? 1 : found->second;
    return number == 1 ? QStringLiteral("Untitled") : QStringLiteral("Untitled%1").arg(number);
}
