#include "timeplotdialog.h"

#include "dialogfields.h"
#include "tshowlinectrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using DialogFields::toQt;
using DialogFields::toStd;

namespace {

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TimePlotDialog::TimePlotDialog(TimePlotDialogData &dialogData, ToolDialogs &dialogs,
                               QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_work(dialogData)
    , m_dialogs(dialogs)
    , m_name(DialogFields::lineEdit(dialogData.name, this, labelUnit::capacity))
    , m_start(DialogFields::lineEdit(dialogData.start, this))
    , m_end(DialogFields::lineEdit(dialogData.end, this))
    , m_autoSample(new QCheckBox(QStringLiteral("Auto Sample"), this))
    , m_graph(new QPushButton(QStringLiteral("Graph Parameters"), this))
    , m_outputs(new QListWidget(this))
    , m_transfers(new QListWidget(this))
    , m_sources(new QTreeWidget(this))
    , m_signals(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Time Domain Plot Parameters"));
    m_autoSample->setChecked(dialogData.autoSample);
    for (auto [list, rows] :
         {std::pair{m_outputs, &m_work.outputRows}, std::pair{m_transfers, &m_work.transferRows}}) {
        list->setIconSize({48, 12});
        for (std::size_t row = 0; row < rows->size(); ++row) {
            list->addItem(toQt((*rows)[row].title.text()));
            refreshRow(*list, static_cast<int>(row), (*rows)[row]);
        }
    }
    m_sources->setHeaderLabels({QStringLiteral("Source"), QStringLiteral("Signal")});
    m_sources->setRootIsDecorated(false);
    m_sources->header()->setSectionResizeMode(QHeaderView::Stretch);
    for (std::size_t row = 0; row < m_work.sourceRows.size(); ++row) {
        m_sources->addTopLevelItem(new QTreeWidgetItem);
        refreshSource(static_cast<int>(row));
    }
    for (const std::string &choice : m_work.signalChoices)
        m_signals->addItem(toQt(choice));
    m_signals->setEnabled(false);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), m_name);
    fields->addRow(QStringLiteral("Start"), m_start);
    fields->addRow(QStringLiteral("End"), m_end);
    auto *options = new QHBoxLayout;
    options->addWidget(m_autoSample);
    options->addStretch();
    options->addWidget(m_graph);
    auto *lists = new QGridLayout;
    lists->addWidget(buddyLabel(QStringLiteral("Output Signals to Plot"), m_outputs, this), 0, 0);
    lists->addWidget(buddyLabel(QStringLiteral("Transfer Functions to Plot"), m_transfers, this), 0,
                     1);
    lists->addWidget(m_outputs, 1, 0);
    lists->addWidget(m_transfers, 1, 1);
    auto *signalRow = new QFormLayout;
    signalRow->addRow(QStringLiteral("Signals"), m_signals);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(options);
    layout->addLayout(lists, 1);
    layout->addWidget(buddyLabel(QStringLiteral("Sources and Input Signals"), m_sources, this));
    layout->addWidget(m_sources, 1);
    layout->addLayout(signalRow);
    layout->addWidget(DialogFields::okCancel(this));

    connect(m_graph, &QPushButton::clicked, this, [this] { m_work.editGraph(m_dialogs); });
    connect(m_outputs, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        const int row = m_outputs->row(item);
        if (m_work.editOutputRow(m_dialogs, row))
            refreshRow(*m_outputs, row, m_work.outputRows[static_cast<std::size_t>(row)]);
    });
    connect(m_transfers, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        const int row = m_transfers->row(item);
        if (m_work.editTransferRow(m_dialogs, row))
            refreshRow(*m_transfers, row, m_work.transferRows[static_cast<std::size_t>(row)]);
    });
    connect(m_sources, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        m_work.selectSource(item ? m_sources->indexOfTopLevelItem(item) : -1);
        m_signals->setEnabled(m_work.selectedSource() >= 0);
        const QSignalBlocker quiet(m_signals);
        m_signals->setCurrentIndex(m_work.selectedSignal());
    });
    // The first source is selected, so that its signal can be chosen at once.
    m_sources->setCurrentItem(m_sources->topLevelItem(0));
    connect(m_signals, &QComboBox::activated, this, [this](int choice) {
        m_work.chooseSignal(choice);
        refreshSource(m_work.selectedSource());
    });
}

void TimePlotDialog::refreshRow(QListWidget &list, int row, const TPElemParam &line)
{
    list.item(row)->setIcon(
        QIcon(TShowLineCtrl::sample(line.shown ? &line : nullptr, list.iconSize())));
}

void TimePlotDialog::refreshSource(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_work.sourceRows.size())
        return;
    const TimePlotDialogData::SourceRow &source = m_work.sourceRows[static_cast<std::size_t>(row)];
    QTreeWidgetItem *item = m_sources->topLevelItem(row);
    item->setText(0, toQt(source.source));
    item->setText(1, source.signal.empty() ? QString::fromUtf8(TimePlotDialogData::noSignal)
                                           : toQt(source.signal));
}

void TimePlotDialog::accept()
{
    m_work.name = toStd(m_name->text());
    m_work.start = toStd(m_start->text());
    m_work.end = toStd(m_end->text());
    m_work.autoSample = m_autoSample->isChecked();
    m_data = m_work;
    QDialog::accept();
}
