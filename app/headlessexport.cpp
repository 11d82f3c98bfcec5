#include "headlessexport.h"

#include "drawingsettings.h"
#include "filepaths.h"
#include "imagewriter.h"

#include <editor/imageexport.h>
#include <model/tcircuitdocument.h>

QString exportCircuitImage(const QString &circuitFile, const QString &imageFile,
                           const QString &iniPath)
{
    const std::optional<ImageWriter::Format> format = ImageWriter::formatForFile(imageFile);
    if (!format)
        return QStringLiteral("%1: the image file must end in .png, .svg or .pdf").arg(imageFile);
    DrawingSettings settings(iniPath);
    settings.acquire();
    QString problem;
    {
        TCircuitDocument document;
        const FileResult result = document.open(FilePaths::toPath(circuitFile));
        if (!result.ok()) {
            problem = QStringLiteral("%1: %2 %3")
                          .arg(circuitFile,
                               result.status == FileResult::Status::Damaged
                                   ? QStringLiteral("Document read error.")
                                   : QStringLiteral("Unable to open document."),
                               QString::fromStdString(result.reason));
        } else {
            const ImageExport picture(document, false);
            if (picture.isEmpty())
                problem = QStringLiteral("%1: the circuit is empty").arg(circuitFile);
            else
                problem = ImageWriter::write(picture, settings.font(), *format, imageFile);
        }
    }
    settings.release();
    return problem;
}
