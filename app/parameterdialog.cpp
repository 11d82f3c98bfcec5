#include "parameterdialog.h"

#include <model/namesidedialogdata.h>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int nameLength = 63;

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

void ParameterDialog::accept()
{
    m_label.name = m_name->text().toStdString();
    m_label.labelSide = m_otherSide->isChecked() ? LabelSide::Other : LabelSide::Default;
    QDialog::accept();
}
