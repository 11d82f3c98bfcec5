#pragma once

#include <QDialog>

struct TransFuncExtendedViewData;
class QLabel;
class QListWidget;

// "Transfer Function Extended View": the tool's name, its last evaluation, and its roots with
// their accuracies — the numerator roots beside the cancelled ones, then the denominator roots
// beside theirs — and beside the texts the roots in the s-plane.
class TransFuncExtendedViewDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TransFuncExtendedViewDialog(const TransFuncExtendedViewData &dialogData,
                                         QWidget *parent = nullptr);

    QLabel &nameLabel() const { return *m_name; }
    QLabel &evaluationLabel() const { return *m_evaluation; }
    QLabel &numeratorAccuracyLabel() const { return *m_numeratorAccuracy; }
    QLabel &denominatorAccuracyLabel() const { return *m_denominatorAccuracy; }
    QListWidget &numeratorRoots() const { return *m_numerator; }
    QListWidget &cancelledNumeratorRoots() const { return *m_cancelledNumerator; }
    QListWidget &denominatorRoots() const { return *m_denominator; }
    QListWidget &cancelledDenominatorRoots() const { return *m_cancelledDenominator; }

private:
    QLabel *m_name;
    QLabel *m_evaluation;
    QLabel *m_numeratorAccuracy;
    QLabel *m_denominatorAccuracy;
    QListWidget *m_numerator;
    QListWidget *m_cancelledNumerator;
    QListWidget *m_denominator;
    QListWidget *m_cancelledDenominator;
};
