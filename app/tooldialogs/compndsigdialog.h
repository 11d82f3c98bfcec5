#pragma once

#include <tools/compndsigdialogdata.h>

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;
class SignalPicture;

// "Compound Signal Element Parameters": "Start", "K", "r", "a", "w", "phi" of the element
// K·τ^r·e^(−aτ)·cos(wτ + phi), and a preview that "Update Graph" redraws from the fields.
class CompndSigDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CompndSigDialog(CompndSigDialogData &dialogData, QWidget *parent = nullptr);

    QLineEdit &field(std::size_t index) const { return *m_fields[index]; }
    QPushButton &updateButton() const { return *m_update; }
    // The fields as the preview last took them.
    const CompndSigDialogData &previewFields() const { return m_preview; }

    void accept() override;

private:
    void readFields(CompndSigDialogData &into) const;

    CompndSigDialogData &m_data;
    CompndSigDialogData m_preview;
    std::array<QLineEdit *, 6> m_fields{};
    QPushButton *m_update;
    SignalPicture *m_picture;
};
