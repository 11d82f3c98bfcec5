#include "textexportdialog.h"

#include "exportprompts.h"

#include <common/filebytes.h>

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <span>

TextExportDialog::TextExportDialog(const QString &title, const QString &what,
                                   ExportPrompts &prompts, QWidget *parent)
    : QDialog(parent)
    , m_prompts(prompts)
    , m_saveCaption(QStringLiteral("Save %1 As...").arg(what))
    , m_fields(new QFormLayout)
    , m_save(new QPushButton(m_saveCaption, this))
    , m_copy(new QPushButton(QStringLiteral("Copy %1").arg(what), this))
    , m_done(new QPushButton(QStringLiteral("Done"), this))
{
    setWindowTitle(title);
    m_done->setDefault(true);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_save, m_copy, m_done})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(m_fields, 1);
    layout->addLayout(buttons);
    connect(m_save, &QPushButton::clicked, this, &TextExportDialog::save);
    connect(m_copy, &QPushButton::clicked, this, &TextExportDialog::copyToClipboard);
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
}

void TextExportDialog::save()
{
    const QString fileName = m_prompts.saveFileName(this, m_saveCaption);
    if (!fileName.isEmpty())
        saveTo(fileName);
}

bool TextExportDialog::saveTo(const QString &fileName)
{
    const std::string text = exportText();
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const std::string failure
        = writeFileAtomically(std::filesystem::path(fileName.toStdU16String()),
                              std::span<const std::uint8_t>(bytes, text.size()));
    if (failure.empty())
        return true;
    m_prompts.showError(this, QStringLiteral("The data could not be saved to %1: %2")
                                  .arg(fileName, QString::fromStdString(failure)));
    return false;
}

void TextExportDialog::copyToClipboard()
{
    const std::string text = exportText();
    if (!text.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}
