#include "tranfuncdialog.h"

#include "dialogfields.h"

#include <tools/tranfuncdialogdata.h>

#include <model/labelunit.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using DialogFields::toQt;
using DialogFields::toStd;

TranFuncDialog::TranFuncDialog(TranFuncDialogData &dialogData, QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_name(DialogFields::lineEdit(dialogData.name, this, labelUnit::capacity))
    , m_equation(new QPlainTextEdit(toQt(dialogData.outputEquation), this))
    , m_labels(new QListWidget(this))
    , m_insert(new QPushButton(QStringLiteral("<<"), this))
    , m_source(new QComboBox(this))
    , m_showOI(new QCheckBox(QStringLiteral("Show O/I"), this))
    , m_showSDomain(new QCheckBox(QStringLiteral("Show s-domain Equation"), this))
{
    setWindowTitle(QStringLiteral("Transfer Function"));
    for (const std::string &label : dialogData.outputLabels)
        m_labels->addItem(toQt(label));
    if (!dialogData.outputLabels.empty())
        m_labels->setCurrentRow(0);
    for (const std::string &source : dialogData.inputSources)
        m_source->addItem(toQt(source));
    m_source->setCurrentIndex(dialogData.selectedSource);
    m_showOI->setChecked(dialogData.showOI);
    m_showSDomain->setChecked(dialogData.showSDomain);
    m_equation->setTabChangesFocus(true);
    m_equation->setMinimumHeight(3 * fontMetrics().lineSpacing());

    auto *equationLabel = new QLabel(QStringLiteral("Output Equation"), this);
    equationLabel->setBuddy(m_equation);
    auto *labelsLabel = new QLabel(QStringLiteral("Output Labels"), this);
    labelsLabel->setBuddy(m_labels);
    auto *equation = new QGridLayout;
    equation->addWidget(equationLabel, 0, 0);
    equation->addWidget(labelsLabel, 0, 2);
    equation->addWidget(m_equation, 1, 0);
    equation->addWidget(m_insert, 1, 1, Qt::AlignTop);
    equation->addWidget(m_labels, 1, 2);
    equation->setColumnStretch(0, 2);
    equation->setColumnStretch(2, 1);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    auto *bottom = new QFormLayout;
    bottom->addRow(QStringLiteral("Input Source"), m_source);
    bottom->addRow(m_showOI);
    bottom->addRow(m_showSDomain);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(equation);
    layout->addLayout(bottom);
    layout->addWidget(DialogFields::okCancel(this));

    connect(m_insert, &QPushButton::clicked, this, &TranFuncDialog::insertLabel);
    connect(m_labels, &QListWidget::itemDoubleClicked, this, &TranFuncDialog::insertLabel);
}

void TranFuncDialog::insertLabel()
{
    // The core inserts into the equation's bytes; the caret goes between both counts.
    const QString text = m_equation->toPlainText();
    const int caret = m_equation->textCursor().position();
    TranFuncDialogData edit = m_data;
    edit.outputEquation = toStd(text);
    const std::size_t bytesBefore = text.left(caret).toUtf8().size();
    const std::size_t after = edit.insertLabel(m_labels->currentRow(), bytesBefore);
    m_equation->setPlainText(toQt(edit.outputEquation));
    QTextCursor cursor = m_equation->textCursor();
    cursor.setPosition(static_cast<int>(toQt(edit.outputEquation.substr(0, after)).size()));
    m_equation->setTextCursor(cursor);
    m_equation->setFocus();
}

void TranFuncDialog::accept()
{
    m_data.name = toStd(m_name->text());
    m_data.outputEquation = toStd(m_equation->toPlainText());
    m_data.selectedSource = m_source->currentIndex();
    m_data.showOI = m_showOI->isChecked();
    m_data.showSDomain = m_showSDomain->isChecked();
    QDialog::accept();
}
