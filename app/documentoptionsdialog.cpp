#include "documentoptionsdialog.h"

#include "dialognumbers.h"
#include "print/printerpaper.h"

#include <model/tcircuitdocument.h>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DocumentOptionsDialog::DocumentOptionsDialog(TCircuitDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_printer(document.printerSettings())
    , m_startPage(new QLineEdit(QString::number(document.startPage()), this))
    , m_pagesWide(new QLineEdit(QString::number(document.pageCount().width), this))
    , m_pagesHigh(new QLineEdit(QString::number(document.pageCount().height), this))
    , m_leftToRight(new QRadioButton(QStringLiteral("Left to right"), this))
    , m_topToBottom(new QRadioButton(QStringLiteral("Top to bottom"), this))
{
    setWindowTitle(QStringLiteral("Document Options"));
    // Typing replaces the start page, as Tab then selects each of the next numbers.
    m_startPage->selectAll();
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Start Page"), m_startPage);
    form->addRow(QStringLiteral("Pages Wide"), m_pagesWide);
    form->addRow(QStringLiteral("Pages High"), m_pagesHigh);

    auto *numbering = new QGroupBox(QStringLiteral("Page Numbering Scheme"), this);
    auto *numberingLayout = new QVBoxLayout(numbering);
    numberingLayout->addWidget(m_leftToRight);
    numberingLayout->addWidget(m_topToBottom);
    (document.numbersLeftToRight() ? m_leftToRight : m_topToBottom)->setChecked(true);

    // "Printer Setup..." stands on its own below the numbering, apart from OK and Cancel.
    auto *setup = new QPushButton(QStringLiteral("Printer Setup..."), this);
    setup->setAutoDefault(false);
    connect(setup, &QPushButton::clicked, this, &DocumentOptionsDialog::printerSetup);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(numbering);
    layout->addWidget(setup, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
}

void DocumentOptionsDialog::printerSetup()
{
    QPrinter printer;
    PrinterPaper::applyTo(m_printer, printer);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_printer = PrinterPaper::of(printer.pageLayout());
}

void DocumentOptionsDialog::accept()
{
    m_document.setStartPage(DialogNumbers::startPageEntry(m_startPage->text()));
    m_document.setPageCount({DialogNumbers::pageCountEntry(m_pagesWide->text()),
                             DialogNumbers::pageCountEntry(m_pagesHigh->text())});
    m_document.setNumbersLeftToRight(m_leftToRight->isChecked());
    if (m_printer != m_document.printerSettings())
        m_document.setPrinterSettings(m_printer);
    m_document.notifyListeners(DocumentNotification::CircuitChanged);
    QDialog::accept();
}
