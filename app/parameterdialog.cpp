#include "parameterdialog.h"

#include <model/namesidedialogdata.h>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLayoutItem>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int nameLength = 63;

void appendFocusable(QWidget *widget, QList<QWidget *> &widgets)
{
    if ((widget->focusPolicy() & Qt::TabFocus) && !widgets.contains(widget))
        widgets.append(widget);
}

// The controls that take the focus by Tab, of a layout item and everything inside it.
void appendFocusable(QLayoutItem &item, QList<QWidget *> &widgets)
{
    if (QWidget *widget = item.widget()) {
        appendFocusable(widget, widgets);
        for (QWidget *child : widget->findChildren<QWidget *>())
            appendFocusable(child, widgets);
    } else if (QLayout *layout = item.layout()) {
        for (int index = 0; index < layout->count(); ++index)
            appendFocusable(*layout->itemAt(index), widgets);
    }
}

} // namespace

ParameterDialog::ParameterDialog(const QString &title, NameSideDialogData &label, QWidget *parent)
    : QDialog(parent)
    , m_label(label)
    , m_form(new QFormLayout)
    , m_name(new QLineEdit(QString::fromStdString(label.name), this))
    , m_defaultSide(new QRadioButton(QStringLiteral("Default Side")))
    , m_otherSide(new QRadioButton(QStringLiteral("Other Side")))
{
    setWindowTitle(title);
    m_name->setMaxLength(nameLength);
    // Typing replaces the name, as it replaces the value of a component.
    m_name->selectAll();
    m_form->addRow(QStringLiteral("Name"), m_name);

    auto *position = new QGroupBox(QStringLiteral("Label Position"), this);
    auto *positionLayout = new QHBoxLayout(position);
    positionLayout->addWidget(m_defaultSide);
    positionLayout->addWidget(m_otherSide);
    positionLayout->addStretch();
    (label.labelSide == LabelSide::Other ? m_otherSide : m_defaultSide)->setChecked(true);

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_help = buttons->button(QDialogButtonBox::Help);
    // Greyed until the program gives the dialog its help viewer.
    m_help->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(position);
    layout->addWidget(buttons);
}

void ParameterDialog::setHelp(const std::function<void(const QString &)> &showHelp)
{
    m_help->setEnabled(static_cast<bool>(showHelp));
    if (!showHelp)
        return;
    const QString topic = QString::fromStdString(m_label.helpTopic);
    connect(m_help, &QPushButton::clicked, this, [showHelp, topic] { showHelp(topic); });
}

void ParameterDialog::showEvent(QShowEvent *event)
{
    orderTabs();
    QDialog::showEvent(event);
}

// Tab walks the dialog from top to bottom: the name, the controls of the rows below it in
// their order, the label position, then the buttons. The rows' controls are made after the
// name, the position and the buttons, so without this they would come last.
void ParameterDialog::orderTabs()
{
    QList<QWidget *> order{m_name};
    for (int row = 0; row < m_form->rowCount(); ++row) {
        for (const QFormLayout::ItemRole role :
             {QFormLayout::LabelRole, QFormLayout::FieldRole, QFormLayout::SpanningRole}) {
            if (QLayoutItem *item = m_form->itemAt(row, role))
                appendFocusable(*item, order);
        }
    }
    order.append(m_defaultSide);
    order.append(m_otherSide);
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order.at(index - 1), order.at(index));
}

void ParameterDialog::accept()
{
    m_label.name = m_name->text().toStdString();
    m_label.labelSide = m_otherSide->isChecked() ? LabelSide::Other : LabelSide::Default;
    QDialog::accept();
}
