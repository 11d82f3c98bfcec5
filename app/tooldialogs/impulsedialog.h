#pragma once

#include <QDialog>

struct ImpulseDialogData;
class QLineEdit;

// "Impulse Signal Parameters": "Start" and "Magnitude".
class ImpulseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImpulseDialog(ImpulseDialogData &dialogData, QWidget *parent = nullptr);

    QLineEdit &startEdit() const { return *m_start; }
    QLineEdit &magnitudeEdit() const { return *m_magnitude; }

    void accept() override;

private:
    ImpulseDialogData &m_data;
    QLineEdit *m_start;
    QLineEdit *m_magnitude;
};
