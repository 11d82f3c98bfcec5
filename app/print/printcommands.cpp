#include "printcommands.h"

#include "circuitprinter.h"
#include "printerpaper.h"

#include <model/tcircuitdocument.h>

#include <QAction>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace {

void reportFailure(const QPrinter &printer, QWidget *parent)
{
    QMessageBox::warning(parent, QStringLiteral("Print"),
                         printer.outputFileName().isEmpty()
                             ? QStringLiteral("The circuit could not be printed.")
                             : QStringLiteral("Cannot write %1.").arg(printer.outputFileName()));
}

} // namespace

void PrintCommands::prepare(const TCircuitDocument &document, QPrinter &printer)
{
    PrinterPaper::applyTo(document.printerSettings(), printer);
    const std::string name = document.path().filename().string();
    printer.setDocName(name.empty() ? QStringLiteral("Zenodyne circuit")
                                    : QString::fromStdString(name));
}

void PrintCommands::preview(TCircuitDocument &document, const QFont &font, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(document, printer);
    CircuitPrinter circuitPrinter(document, font);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *pages) {
        if (!circuitPrinter.print(*pages))
            reportFailure(*pages, &dialog);
    });
    auto *previewWidget = dialog.findChild<QPrintPreviewWidget *>();
    if (auto *toolBar = dialog.findChild<QToolBar *>(); toolBar && previewWidget) {
        toolBar->addSeparator();
        QAction *fit = toolBar->addAction(QString::fromUtf8(fitToOnePageText));
        fit->setCheckable(true);
        fit->setObjectName(QStringLiteral("fitToOnePage"));
        QObject::connect(fit, &QAction::toggled, &dialog, [&](bool checked) {
            circuitPrinter.setFitToOnePage(checked);
            previewWidget->updatePreview();
        });
    }
    dialog.resize(900, 700);
    dialog.exec();
}

void PrintCommands::print(TCircuitDocument &document, const QFont &font, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    prepare(document, printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!CircuitPrinter(document, font).print(printer))
        reportFailure(printer, parent);
}

void PrintCommands::setup(TCircuitDocument &document, QWidget *parent)
{
    QPrinter printer;
    prepare(document, printer);
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PrinterSettings chosen = PrinterPaper::of(printer.pageLayout());
    if (chosen == document.printerSettings())
        return;
    document.setPrinterSettings(chosen);
    document.notifyListeners(DocumentNotification::CircuitChanged);
}
