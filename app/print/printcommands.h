#pragma once

class QFont;
class QPrinter;
class QWidget;
class TCircuitDocument;

// The File menu's printing commands on a circuit document. Each starts from the document's
// printer settings (orientation and paper); "P&rint Setup..." stores the ones chosen.
namespace PrintCommands {

// "Print Pre&view...": the pages as they print, with a "Fit to one page" choice.
void preview(TCircuitDocument &document, const QFont &font, QWidget *parent);
// "&Print...": the print dialog (its PDF printer writes a file), then the pages.
void print(TCircuitDocument &document, const QFont &font, QWidget *parent);
// "P&rint Setup...": the page setup dialog; OK stores the paper and orientation.
void setup(TCircuitDocument &document, QWidget *parent);

// A printer set up for the document: its paper, orientation and name.
void prepare(const TCircuitDocument &document, QPrinter &printer);

// The text of the preview's choice.
inline constexpr const char *fitToOnePageText = "Fit to one page";

} // namespace PrintCommands
