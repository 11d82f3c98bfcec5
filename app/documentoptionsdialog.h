#pragma once

#include <model/printersettings.h>

#include <QDialog>

class QLineEdit;
class QRadioButton;
class TCircuitDocument;

// "Document Options": how the sheet is printed — the start page, the pages wide and high, the
// page numbering scheme and the printer's paper (from "Printer Setup..."). OK stores them in
// the document.
class DocumentOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    DocumentOptionsDialog(TCircuitDocument &document, QWidget *parent = nullptr);

    QLineEdit &startPageEdit() const { return *m_startPage; }
    QLineEdit &pagesWideEdit() const { return *m_pagesWide; }
    QLineEdit &pagesHighEdit() const { return *m_pagesHigh; }
    QRadioButton &leftToRightButton() const { return *m_leftToRight; }
    QRadioButton &topToBottomButton() const { return *m_topToBottom; }

    void accept() override;

private:
    void printerSetup();

    TCircuitDocument &m_document;
    PrinterSettings m_printer;
    QLineEdit *m_startPage;
    QLineEdit *m_pagesWide;
    QLineEdit *m_pagesHigh;
    QRadioButton *m_leftToRight;
    QRadioButton *m_topToBottom;
};
