#include "compilecircuitdialog.h"

#include "userinputblocker.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Waiting events are let through at most this often: a large circuit reports progress many
// thousand times, and a round through the event loop at each would slow the compile down
// without showing anything more.
constexpr qint64 eventIntervalMs = 15;

void setText(QLabel &label, const QString &text)
{
    if (label.text() != text)
        label.setText(text);
}

} // namespace

CompileCircuitDialog::CompileCircuitDialog(QWidget *parent)
    : QDialog(parent)
    , m_grid(new QGridLayout)
    , m_cancel(new QPushButton(QStringLiteral("Cancel")))
{
    setWindowTitle(QStringLiteral("Circuit Compiler"));
    setWindowModality(Qt::ApplicationModal);
    m_grid->setColumnStretch(1, 1);
    m_netlist = addBar(QStringLiteral("Compile Circuit"));
    m_nodes = addCount(QStringLiteral("Nodes To Solve"));
    m_independent = addCount(QStringLiteral("Independent Sources"));
    m_dependent = addCount(QStringLiteral("Dependent Sources"));
    m_formulation = addBar(QStringLiteral("Make Solution Matrix"));
    m_solution = addBar(QStringLiteral("Solve Solution Matrix"));
    m_errors = addCount(QStringLiteral("Errors"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, &CompileCircuitDialog::reject);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 60);
}

CompileCircuitDialog::~CompileCircuitDialog() = default;

QProgressBar *CompileCircuitDialog::addBar(const QString &label)
{
    const int row = m_rows++;
    auto *bar = new QProgressBar;
    bar->setRange(0, 100);
    m_grid->addWidget(new QLabel(label), row, 0);
    m_grid->addWidget(bar, row, 1);
    return bar;
}

QLabel *CompileCircuitDialog::addCount(const QString &label)
{
    const int row = m_rows++;
    auto *count = new QLabel;
    m_grid->addWidget(new QLabel(label), row, 0);
    m_grid->addWidget(count, row, 1);
    return count;
}

void CompileCircuitDialog::started()
{
    for (QProgressBar *bar : {m_netlist, m_formulation, m_solution})
        bar->setValue(0);
    for (QLabel *count : {m_nodes, m_independent, m_dependent})
        count->clear();
    m_errors->setText(QStringLiteral("0"));
    m_cancelled = false;
    m_shown = false;
    m_blocker = std::make_unique<UserInputBlocker>(*this);
    m_running.start();
    m_sinceEvents.start();
}

void CompileCircuitDialog::refresh(const CompileProgress &progress)
{
    // The controls repaint only when their values change, so nothing flickers.
    m_netlist->setValue(progress.netlist);
    if (progress.hasEquations) {
        setText(*m_nodes, QString::number(progress.nodesToSolve));
        setText(*m_independent, QString::number(progress.independentSources));
        setText(*m_dependent, QString::number(progress.dependentSources));
        m_formulation->setValue(progress.formulation);
        m_solution->setValue(progress.solution);
    }
    setText(*m_errors, QString::number(progress.errors));
    if (!m_shown && m_running.elapsed() >= showDelayMs) {
        m_shown = true;
        show();
        raise();
        activateWindow();
        // The first paint comes at once.
        letEventsThrough();
    } else if (m_sinceEvents.elapsed() >= eventIntervalMs) {
        letEventsThrough();
    }
    emit refreshed();
}

void CompileCircuitDialog::letEventsThrough()
{
    QCoreApplication::processEvents();
    m_sinceEvents.restart();
}

void CompileCircuitDialog::finished()
{
    if (isVisible()) {
        hide();
        // The main window takes the keyboard and its active circuit window back at once
        // (without a window manager nothing else would give it back), and the dialog leaves
        // the screen now rather than after the tool's own work that follows the compile. User
        // input still waits.
        if (QWidget *owner = parentWidget())
            owner->activateWindow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_blocker.reset();
}

void CompileCircuitDialog::beep()
{
    QApplication::beep();
}

void CompileCircuitDialog::reject()
{
    m_cancelled = true;
}
