#include "documentoptionsdialog.h"

#include "dialognumbers.h"

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

#include <array>
#include <cmath>
#include <utility>

namespace {

// The paper codes of the printer settings (as the device settings number them) for the page
// sizes that have one; any other paper is "user defined" and keeps only its length and width.
constexpr std::array<std::pair<QPageSize::PageSizeId, std::int32_t>, 7> paperCodes{{
    {QPageSize::Letter, 1},
    {QPageSize::Legal, 5},
    {QPageSize::Executive, 7},
    {QPageSize::A3, 8},
    {QPageSize::A4, 9},
    {QPageSize::A5, 11},
    {QPageSize::B5, 13},
}};
constexpr std::int32_t userDefinedPaper = 256;
constexpr std::int32_t portrait = 1;
constexpr std::int32_t landscape = 2;

std::int32_t paperCodeFor(QPageSize::PageSizeId id)
{
    for (const auto &[size, code] : paperCodes) {
        if (size == id)
            return code;
    }
    return userDefinedPaper;
}

QPageSize::PageSizeId pageSizeFor(std::int32_t code)
{
    for (const auto &[size, paperCode] : paperCodes) {
        if (paperCode == code)
            return size;
    }
    return QPageSize::Letter;
}

// Lengths in tenths of a millimetre.
std::int32_t tenthsOfMillimetre(qreal millimetres)
{
    return static_cast<std::int32_t>(std::lround(millimetres * 10));
}

} // namespace

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
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Start Page"), m_startPage);
    form->addRow(QStringLiteral("Pages Wide"), m_pagesWide);
    form->addRow(QStringLiteral("Pages High"), m_pagesHigh);

    auto *numbering = new QGroupBox(QStringLiteral("Page Numbering Scheme"), this);
    auto *numberingLayout = new QVBoxLayout(numbering);
    numberingLayout->addWidget(m_leftToRight);
    numberingLayout->addWidget(m_topToBottom);
    (document.numbersLeftToRight() ? m_leftToRight : m_topToBottom)->setChecked(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *setup
        = buttons->addButton(QStringLiteral("Printer Setup..."), QDialogButtonBox::ActionRole);
    connect(setup, &QPushButton::clicked, this, &DocumentOptionsDialog::printerSetup);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(numbering);
    layout->addWidget(buttons);
}

void DocumentOptionsDialog::printerSetup()
{
    QPrinter printer;
    printer.setPageOrientation(m_printer.orientation == landscape ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    printer.setPageSize(QPageSize(pageSizeFor(m_printer.paperSize)));
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPageLayout layout = printer.pageLayout();
    m_printer.orientation = layout.orientation() == QPageLayout::Landscape ? landscape : portrait;
    m_printer.paperSize = paperCodeFor(layout.pageSize().id());
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    m_printer.paperLength = tenthsOfMillimetre(paper.height());
    m_printer.paperWidth = tenthsOfMillimetre(paper.width());
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
