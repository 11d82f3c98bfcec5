#include "bodeplotdialog.h"

#include "dialogfields.h"
#include "tshowlinectrl.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using DialogFields::toQt;
using DialogFields::toStd;

BodePlotDialog::BodePlotDialog(BodePlotDialogData &dialogData, ToolDialogs &dialogs,
                               QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_work(dialogData)
    , m_dialogs(dialogs)
    , m_name(DialogFields::lineEdit(dialogData.name, this, labelUnit::capacity))
    , m_start(DialogFields::lineEdit(dialogData.startDecade, this))
    , m_decades(DialogFields::lineEdit(dialogData.decades, this))
    , m_radians(new QRadioButton(QStringLiteral("rad/s"), this))
    , m_hertz(new QRadioButton(QStringLiteral("Hz"), this))
    , m_graph(new QPushButton(QStringLiteral("Graph Parameters"), this))
    , m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Bode Plot Parameters"));
    (dialogData.radiansPerSecond ? m_radians : m_hertz)->setChecked(true);
    QStringList headings{QString()};
    for (const BodeLineKind kind : bodeLineKinds)
        headings << toQt(std::string(bodeLineName(kind)));
    m_list->setHeaderLabels(headings);
    m_list->setRootIsDecorated(false);
    m_list->setIconSize({48, 12});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    for (int row = m_work.rows.lowerIndex(); row <= m_work.rows.upperIndex(); ++row) {
        m_list->addTopLevelItem(
            new QTreeWidgetItem(QStringList{toQt(m_work.rows[row].name.text())}));
        refreshRow(row);
    }

    // Wide enough for every column without scrolling.
    int width = 8 * fontMetrics().averageCharWidth();
    for (int column = 1; column < headings.size(); ++column)
        width += std::max(m_list->iconSize().width(),
                          fontMetrics().horizontalAdvance(headings[column]))
                 + 4 * fontMetrics().averageCharWidth();
    m_list->setMinimumWidth(width);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Name"), m_name);
    fields->addRow(QStringLiteral("Start Decade"), m_start);
    fields->addRow(QStringLiteral("Decades"), m_decades);
    auto *unit = new QHBoxLayout;
    unit->addWidget(m_radians);
    unit->addWidget(m_hertz);
    unit->addStretch();
    unit->addWidget(m_graph);
    auto *listLabel = new QLabel(QStringLiteral("Transfer Functions"), this);
    listLabel->setBuddy(m_list);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(unit);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addWidget(DialogFields::okCancel(this));

    connect(m_graph, &QPushButton::clicked, this, [this] { m_work.editGraph(m_dialogs); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        const int row = m_list->indexOfTopLevelItem(item) + m_work.rows.lowerIndex();
        if (m_work.editRow(m_dialogs, row))
            refreshRow(row);
    });
}

void BodePlotDialog::refreshRow(int row)
{
    QTreeWidgetItem *item = m_list->topLevelItem(row - m_work.rows.lowerIndex());
    for (std::size_t column = 0; column < bodeLineKinds.size(); ++column) {
        const TPElemParam *line = m_work.shownLine(row, bodeLineKinds[column]);
        item->setIcon(static_cast<int>(column) + 1,
                      line ? QIcon(TShowLineCtrl::sample(line, m_list->iconSize())) : QIcon());
    }
}

void BodePlotDialog::accept()
{
    m_work.name = toStd(m_name->text());
    m_work.startDecade = toStd(m_start->text());
    m_work.decades = toStd(m_decades->text());
    m_work.radiansPerSecond = m_radians->isChecked();
    m_data = m_work;
    QDialog::accept();
}
