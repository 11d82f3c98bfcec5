#pragma once

#include <tools/bpepdialogdata.h>

#include <QDialog>

#include <array>

class QButtonGroup;
class QPushButton;
class TShowLineCtrl;
class ToolDialogs;

// "Bode Plot Line Parameters" for one transfer function: the magnitude and phase modes, and
// for each of the four lines a "Line Parameters..." button with a sample of the line. It edits
// a working copy that OK hands back.
class BPEPDialog : public QDialog
{
    Q_OBJECT

public:
    BPEPDialog(BPEPDialogData &dialogData, ToolDialogs &dialogs, QWidget *parent = nullptr);

    // Ids are the mode numbers.
    QButtonGroup &magnitudeButtons() const { return *m_magnitude; }
    QButtonGroup &phaseButtons() const { return *m_phase; }
    QPushButton &lineButton(BodeLineKind kind) const { return *m_lineButtons[index(kind)]; }
    TShowLineCtrl &sample(BodeLineKind kind) const { return *m_samples[index(kind)]; }

    void accept() override;

private:
    static std::size_t index(BodeLineKind kind) { return static_cast<std::size_t>(kind); }
    void refreshSample(BodeLineKind kind);

    BPEPDialogData &m_data;
    BPEPDialogData m_work;
    ToolDialogs &m_dialogs;
    QButtonGroup *m_magnitude;
    QButtonGroup *m_phase;
    std::array<QPushButton *, 4> m_lineButtons{};
    std::array<TShowLineCtrl *, 4> m_samples{};
};
