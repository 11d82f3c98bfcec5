#pragma once

#include <compile/compilemonitor.h>

#include <QDialog>
#include <QElapsedTimer>

#include <memory>

class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class UserInputBlocker;

// "Circuit Compiler": the progress of a running compile — the netlist ("Compile Circuit"),
// the sizes of the equation system, the building ("Make Solution Matrix") and the solving
// ("Solve Solution Matrix") of the equations, the "Errors" count — and Cancel, which stops the
// compile at its next check with "User Interrupt".
//
// The compile runs on the user-interface thread between started() and finished(); every
// progress report updates the controls that changed and lets waiting events through, which is
// how Cancel is seen. Meanwhile the dialog is application-modal and every other window takes
// no input (menus, shortcuts, drops, closing), so nothing edits the document under the
// compile. The dialog shows itself only once a compile has run for showDelay: most compiles
// end within a few milliseconds, and a window that flashes up and vanishes would only
// distract.
class CompileCircuitDialog : public QDialog, public CompileMonitor
{
    Q_OBJECT

public:
    static constexpr int showDelayMs = 300;

    explicit CompileCircuitDialog(QWidget *parent = nullptr);
    ~CompileCircuitDialog() override;

    QProgressBar &netlistBar() const { return *m_netlist; }
    QProgressBar &formulationBar() const { return *m_formulation; }
    QProgressBar &solutionBar() const { return *m_solution; }
    QLabel &nodesText() const { return *m_nodes; }
    QLabel &independentText() const { return *m_independent; }
    QLabel &dependentText() const { return *m_dependent; }
    QLabel &errorsText() const { return *m_errors; }
    QPushButton &cancelButton() const { return *m_cancel; }
    // Whether the last compile came to show the dialog.
    bool wasShown() const { return m_shown; }

    void started() override;
    void refresh(const CompileProgress &progress) override;
    bool interrupted() override { return m_cancelled; }
    void finished() override;
    void beep() override;

    // Cancel, Esc or the window's close button.
    void reject() override;

signals:
    // A progress report has been shown.
    void refreshed();

private:
    QProgressBar *addBar(const QString &label);
    QLabel *addCount(const QString &label);
    void letEventsThrough();

    QGridLayout *m_grid;
    int m_rows = 0;
    QProgressBar *m_netlist;
    QLabel *m_nodes;
    QLabel *m_independent;
    QLabel *m_dependent;
    QProgressBar *m_formulation;
    QProgressBar *m_solution;
    QLabel *m_errors;
    QPushButton *m_cancel;
    bool m_cancelled = false;
    bool m_shown = false;
    QElapsedTimer m_running;
    QElapsedTimer m_sinceEvents;
    std::unique_ptr<UserInputBlocker> m_blocker;
};
