#pragma once

#include <QDialog>

class QLineEdit;
class TCircuitDocument;

// "Numeric Parameters": the number of significand bytes that the document's exact arithmetic
// keeps. OK stores the entry (cut to 16 bits, within 25 to 4096), marks the document changed
// and drops its solved equations, so that the next analysis compiles again.
class NumericParametersDialog : public QDialog
{
    Q_OBJECT

public:
    NumericParametersDialog(TCircuitDocument &document, QWidget *parent = nullptr);

    QLineEdit &significandBytesEdit() const { return *m_bytes; }
    void accept() override;

private:
    TCircuitDocument &m_document;
    QLineEdit *m_bytes;
};
