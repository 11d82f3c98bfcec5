#include "tpepdialogsimple.h"

#include "colorbutton.h"
#include "dialogfields.h"
#include "tshowlinectrl.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using DialogFields::toQt;

TPEPDialogSimple::TPEPDialogSimple(TPEPDialogData &dialogData, GraphDialogs &dialogs,
                                   QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_work(dialogData)
    , m_dialogs(dialogs)
    , m_layout(new QVBoxLayout(this))
    , m_leftAxis(new QRadioButton(QStringLiteral("Left Axis"), this))
    , m_rightAxis(new QRadioButton(QStringLiteral("Right Axis"), this))
    , m_colour(new ColorButton(QStringLiteral("Color..."), dialogData.line.colour, this))
    , m_style(new QComboBox(this))
    , m_sample(new TShowLineCtrl(this))
    , m_markers(new QListWidget(this))
    , m_add(new QPushButton(QStringLiteral("Add"), this))
    , m_edit(new QPushButton(QStringLiteral("Edit"), this))
    , m_delete(new QPushButton(QStringLiteral("Delete"), this))
{
    setWindowTitle(QStringLiteral("Plot Line Parameters"));
    // The line's title names what it plots ("Vout", "H1 Phase Plot"); it heads the dialog.
    auto *title = new QLabel(toQt(m_work.line.title.text()), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setVisible(!m_work.line.title.isEmpty());
    m_layout->addWidget(title);
    (m_work.line.leftAxis ? m_leftAxis : m_rightAxis)->setChecked(true);
    for (const std::string_view name : TPElemParam::styleNames)
        m_style->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    m_style->setCurrentIndex(m_work.line.style);

    auto *axes = new QHBoxLayout;
    axes->addWidget(m_leftAxis);
    axes->addWidget(m_rightAxis);
    axes->addStretch();
    auto *pen = new QHBoxLayout;
    pen->addWidget(m_colour);
    pen->addWidget(m_style);
    pen->addWidget(m_sample, 1);
    auto *markerGroup = new QGroupBox(QStringLiteral("Markers"), this);
    auto *markerButtons = new QVBoxLayout;
    for (QPushButton *button : {m_add, m_edit, m_delete})
        markerButtons->addWidget(button);
    markerButtons->addStretch();
    auto *markerLayout = new QHBoxLayout(markerGroup);
    markerLayout->addWidget(m_markers, 1);
    markerLayout->addLayout(markerButtons);
    m_layout->addLayout(axes);
    m_layout->addLayout(pen);
    m_layout->addWidget(markerGroup, 1);
    m_layout->addWidget(DialogFields::okCancel(this));
    refreshSample();
    refreshMarkers(0);

    connect(m_leftAxis, &QRadioButton::toggled, this,
            [this](bool checked) { m_work.line.leftAxis = checked; });
    connect(m_colour, &ColorButton::colourChosen, this, [this](Color colour) {
        m_work.line.colour = colour;
        refreshSample();
    });
    connect(m_style, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_work.line.style = index;
        refreshSample();
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_work.addMarker(m_dialogs))
            refreshMarkers(m_work.line.markers.count() - 1);
    });
    const auto editCurrent = [this] {
        const int row = m_markers->currentRow();
        if (m_work.editMarker(m_dialogs, row))
            refreshMarkers(row);
    };
    connect(m_edit, &QPushButton::clicked, this, editCurrent);
    connect(m_markers, &QListWidget::itemDoubleClicked, this, editCurrent);
    connect(m_delete, &QPushButton::clicked, this, [this] {
        const int row = m_markers->currentRow();
        if (row < 0)
            return;
        m_work.deleteMarker(row);
        refreshMarkers(row);
    });
}

void TPEPDialogSimple::accept()
{
    m_data = m_work;
    QDialog::accept();
}

void TPEPDialogSimple::refreshSample()
{
    m_sample->setLine(&m_work.line);
}

void TPEPDialogSimple::refreshMarkers(int selected)
{
    m_markers->clear();
    for (const std::string &label : m_work.markerLabels())
        m_markers->addItem(toQt(label));
    m_markers->setCurrentRow(std::min(selected, m_markers->count() - 1));
}
