#include "signaldialog.h"

#include "dialogfields.h"
#include "signalpicture.h"

#include <tools/signal.h>
#include <tools/signaldialogdata.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using DialogFields::toQt;
using DialogFields::toStd;

SignalDialog::SignalDialog(SignalDialogData &dialogData, ToolDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_dialogs(dialogs)
    , m_name(DialogFields::lineEdit(dialogData.name, this, labelUnit::capacity))
    , m_periodic(new QCheckBox(QStringLiteral("Periodic"), this))
    , m_autoSample(new QCheckBox(QStringLiteral("Auto Sample"), this))
    , m_start(DialogFields::lineEdit(dialogData.start, this))
    , m_end(DialogFields::lineEdit(dialogData.end, this))
    , m_signal(new SignalPicture([this](const Rect &frame) { return m_data.signalPreview(frame); },
                                 this))
    , m_element(new SignalPicture(
          [this](const Rect &frame) { return m_data.elementPreview(frame); }, this))
    , m_bar(new QScrollBar(Qt::Horizontal, this))
    , m_elementLabel(new QLabel(this))
    , m_addImpulse(new QPushButton(QStringLiteral("Add Impulse Element"), this))
    , m_addCompound(new QPushButton(QStringLiteral("Add Compound Element"), this))
    , m_edit(new QPushButton(QStringLiteral("Edit Current Element"), this))
    , m_delete(new QPushButton(QStringLiteral("Delete Current Element"), this))
    , m_line(new QPushButton(QStringLiteral("Line Parameters"), this))
    , m_graph(new QPushButton(QStringLiteral("Graph Parameters"), this))
{
    setWindowTitle(QStringLiteral("Signal Designer"));
    m_periodic->setChecked(dialogData.periodic);
    m_autoSample->setChecked(dialogData.autoSample);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), m_name);
    fields->addRow(QStringLiteral("Start"), m_start);
    fields->addRow(QStringLiteral("End"), m_end);
    fields->addRow(m_periodic);
    fields->addRow(m_autoSample);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_addImpulse, m_addCompound, m_edit, m_delete, m_line, m_graph})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *pictures = new QGridLayout;
    pictures->addWidget(new QLabel(QStringLiteral("The Signal"), this), 0, 0);
    pictures->addWidget(m_signal, 1, 0);
    pictures->addWidget(new QLabel(QStringLiteral("The Signal Elements"), this), 0, 1);
    pictures->addWidget(m_element, 1, 1);
    pictures->addWidget(m_bar, 2, 1);
    pictures->addWidget(m_elementLabel, 3, 1, Qt::AlignHCenter);
    pictures->setRowStretch(1, 1);
    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(buttons);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(pictures, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(DialogFields::okCancel(this));
    refresh();

    connect(m_bar, &QScrollBar::valueChanged, this, [this](int value) {
        if (value == m_data.current())
            return;
        m_data.select(value);
        refresh();
    });
    const auto after = [this](auto action) {
        return [this, action] {
            readWindow();
            action();
            refresh();
        };
    };
    connect(m_addImpulse, &QPushButton::clicked, this,
            after([this] { m_data.addImpulse(m_dialogs); }));
    connect(m_addCompound, &QPushButton::clicked, this,
            after([this] { m_data.addCompound(m_dialogs); }));
    connect(m_edit, &QPushButton::clicked, this, after([this] { m_data.editCurrent(m_dialogs); }));
    connect(m_delete, &QPushButton::clicked, this, after([this] { m_data.deleteCurrent(); }));
    connect(m_line, &QPushButton::clicked, this, after([this] { m_data.editLine(m_dialogs); }));
    connect(m_graph, &QPushButton::clicked, this, after([this] { m_data.editGraph(m_dialogs); }));
    for (QLineEdit *edit : {m_start, m_end})
        connect(edit, &QLineEdit::editingFinished, this, after([] {}));
    connect(m_autoSample, &QCheckBox::toggled, this, after([] {}));
}

void SignalDialog::readWindow()
{
    m_data.start = toStd(m_start->text());
    m_data.end = toStd(m_end->text());
    m_data.autoSample = m_autoSample->isChecked();
}

void SignalDialog::refresh()
{
    const int count = m_data.elements().count();
    {
        const QSignalBlocker quiet(m_bar);
        m_bar->setRange(0, std::max(count - 1, 0));
        m_bar->setValue(std::max(m_data.current(), 0));
        m_bar->setEnabled(count > 1);
    }
    m_elementLabel->setText(toQt(m_data.elementLabel()));
    m_edit->setEnabled(count > 0);
    m_delete->setEnabled(count > 0);
    m_signal->update();
    m_element->update();
}

void SignalDialog::accept()
{
    readWindow();
    m_data.name = toStd(m_name->text());
    m_data.periodic = m_periodic->isChecked();
    QDialog::accept();
}
