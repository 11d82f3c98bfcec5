#include "exportimagesdialog.h"

#include "drawingsettings.h"
#include "filepaths.h"
#include "imagewriter.h"
#include "shellprompts.h"

#include <editor/imageexport.h>
#include <model/tcircuitdocument.h>

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ExportImagesDialog::ExportImagesDialog(TCircuitDocument &document, DrawingSettings &settings,
                                       ShellPrompts &prompts, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_settings(settings)
    , m_prompts(prompts)
    , m_all(new QRadioButton(QStringLiteral("All Objects"), this))
    , m_selected(new QRadioButton(QStringLiteral("Selected Objects"), this))
    , m_png(new QRadioButton(QStringLiteral("PNG Image (*.png)"), this))
    , m_svg(new QRadioButton(QStringLiteral("SVG Drawing (*.svg)"), this))
    , m_pdf(new QRadioButton(QStringLiteral("PDF Document (*.pdf)"), this))
{
    setWindowTitle(QStringLiteral("Export Images"));
    const bool hasSelection = document.selectedCount() > 0;
    m_selected->setEnabled(hasSelection);

    auto *objects = new QGroupBox(QStringLiteral("Objects"), this);
    auto *objectsLayout = new QVBoxLayout(objects);
    objectsLayout->addWidget(m_all);
    objectsLayout->addWidget(m_selected);
    auto *formats = new QGroupBox(QStringLiteral("Format"), this);
    auto *formatsLayout = new QVBoxLayout(formats);
    for (QRadioButton *button : {m_png, m_svg, m_pdf})
        formatsLayout->addWidget(button);

    auto *save = new QPushButton(QStringLiteral("Save Image As..."), this);
    auto *copy = new QPushButton(QStringLiteral("Copy Image"), this);
    auto *done = new QPushButton(QStringLiteral("Done"), this);
    done->setDefault(true);
    connect(save, &QPushButton::clicked, this, &ExportImagesDialog::saveImageAs);
    connect(copy, &QPushButton::clicked, this, &ExportImagesDialog::copyImage);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto *choices = new QHBoxLayout;
    choices->addWidget(objects);
    choices->addWidget(formats);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(done);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    // Checked once the buttons sit in their boxes: radio buttons exclude their siblings.
    (hasSelection ? m_selected : m_all)->setChecked(true);
    m_png->setChecked(true);
}

void ExportImagesDialog::saveImageAs()
{
    const ImageWriter::Format format = m_svg->isChecked()   ? ImageWriter::Format::Svg
                                       : m_pdf->isChecked() ? ImageWriter::Format::Pdf
                                                            : ImageWriter::Format::Png;
    const QString suffix = ImageWriter::suffixOf(format);
    // Beside the circuit's file, named after it, when the circuit has one.
    const QFileInfo file(FilePaths::toQString(m_document.path()));
    const QString base = m_document.path().empty()
                             ? QStringLiteral("circuit")
                             : file.absoluteDir().filePath(file.completeBaseName());
    QString fileName = m_prompts.saveFileName(
        QStringLiteral("Save Image As"), QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix),
        base + '.' + suffix);
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += '.' + suffix;
    const ImageExport picture(m_document, m_selected->isChecked());
    const QString problem = ImageWriter::write(picture, m_settings.font(), format, fileName);
    if (!problem.isEmpty())
        m_prompts.showError(problem);
}

void ExportImagesDialog::copyImage()
{
    const ImageExport picture(m_document, m_selected->isChecked());
    auto *mimeData = new QMimeData;
    mimeData->setImageData(ImageWriter::image(picture, m_settings.font()));
    mimeData->setData(QStringLiteral("image/svg+xml"),
                      ImageWriter::svg(picture, m_settings.font()));
    QGuiApplication::clipboard()->setMimeData(mimeData);
}
