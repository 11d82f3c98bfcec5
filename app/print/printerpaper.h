#pragma once

#include <model/printersettings.h>

class QPageLayout;
class QPrinter;

// The printer settings a document keeps (orientation and paper as a printer's device settings
// number them, lengths in tenths of a millimetre) and Qt's page layouts.
namespace PrinterPaper {

// Sets the printer's orientation and paper from a document's printer settings.
void applyTo(const PrinterSettings &settings, QPrinter &printer);
// The printer settings of a page layout.
PrinterSettings of(const QPageLayout &layout);

} // namespace PrinterPaper
