#include "numericparametersdialog.h"

#include "dialognumbers.h"

#include <model/tcircuitdocument.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

NumericParametersDialog::NumericParametersDialog(TCircuitDocument &document, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_bytes(new QLineEdit(QString::number(document.significandBytes()), this))
{
    setWindowTitle(QStringLiteral("Numeric Parameters"));
    // Typing replaces the number.
    m_bytes->selectAll();
    auto *label = new QLabel(
        QStringLiteral("Maximum number of bytes kept in significand after arithmetic operations"),
        this);
    label->setWordWrap(true);
    label->setBuddy(m_bytes);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_bytes);
    layout->addWidget(buttons);
}

void NumericParametersDialog::accept()
{
    m_document.setSignificandBytes(DialogNumbers::significandBytesEntry(m_bytes->text()));
    m_document.notifyListeners(DocumentNotification::CircuitChanged);
    QDialog::accept();
}
