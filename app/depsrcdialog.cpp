#include "depsrcdialog.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

constexpr int gainLength = 63;

QLineEdit *gainEdit(const std::string &text)
{
    auto *edit = new QLineEdit(QString::fromStdString(text));
    edit->setMaxLength(gainLength);
    return edit;
}

} // namespace

DepSrcDialog::DepSrcDialog(DepSrcDialogData &sourceData, QWidget *parent)
    : ParameterDialog(QStringLiteral("Dependent Source Parameters"), sourceData.label, parent)
    , m_data(sourceData)
    , m_edited(sourceData)
    , m_voltage(new QRadioButton(QStringLiteral("Voltage Dependent")))
    , m_current(new QRadioButton(QStringLiteral("Current Dependent")))
    , m_list(new QListWidget)
    , m_numerator(gainEdit(sourceData.gainNumerator))
    , m_denominator(gainEdit(sourceData.gainDenominator))
{
    form().addRow(createKindButtons());
    form().addRow(new QLabel(QStringLiteral("Circuit Tags")));
    form().addRow(m_list);
    form().addRow(QStringLiteral("Gain"), createGain());
    showEntries();
    connect(m_voltage, &QRadioButton::toggled, this, &DepSrcDialog::chooseKind);
    connect(m_list, &QListWidget::itemClicked, this, &DepSrcDialog::toggle);
    m_list->installEventFilter(this);
}

bool DepSrcDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        if (QListWidgetItem *item = m_list->currentItem())
            toggle(item);
        return true;
    }
    return ParameterDialog::eventFilter(watched, event);
}

QWidget *DepSrcDialog::createKindButtons()
{
    auto *kind = new QWidget;
    auto *layout = new QHBoxLayout(kind);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_voltage);
    layout->addWidget(m_current);
    layout->addStretch();
    (m_edited.voltageDependent ? m_voltage : m_current)->setChecked(true);
    return kind;
}

// The numerator stacked over the denominator, with a fraction bar between them and the "x"
// in front.
QWidget *DepSrcDialog::createGain()
{
    auto *gain = new QWidget;
    auto *layout = new QGridLayout(gain);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    auto *bar = new QFrame;
    bar->setFrameShape(QFrame::HLine);
    layout->addWidget(new QLabel(QStringLiteral("x")), 0, 0, 3, 1, Qt::AlignVCenter);
    layout->addWidget(m_numerator, 0, 1);
    layout->addWidget(bar, 1, 1);
    layout->addWidget(m_denominator, 2, 1);
    return gain;
}

void DepSrcDialog::chooseKind()
{
    m_edited.chooseKind(m_voltage->isChecked());
    showEntries();
}

void DepSrcDialog::toggle(QListWidgetItem *item)
{
    const int row = m_list->row(item);
    if (row < 0)
        return;
    m_edited.toggle(static_cast<std::size_t>(row));
    item->setCheckState(m_edited.entries[static_cast<std::size_t>(row)].marked ? Qt::Checked
                                                                               : Qt::Unchecked);
}

// The marks are shown as check boxes; the items are not checkable by themselves, so that a
// click anywhere on an entry toggles its mark once.
void DepSrcDialog::showEntries()
{
    m_list->clear();
    for (const DepSrcDialogData::Entry &entry : m_edited.entries) {
        auto *item = new QListWidgetItem(QString::fromStdString(entry.name), m_list);
        item->setFlags(Qt::ItemIsEnabled);
        item->setCheckState(entry.marked ? Qt::Checked : Qt::Unchecked);
    }
}

void DepSrcDialog::accept()
{
    m_edited.gainNumerator = m_numerator->text().toStdString();
    m_edited.gainDenominator = m_denominator->text().toStdString();
    m_data = m_edited;
    ParameterDialog::accept();
}
