#include "bpepdialog.h"

#include "dialogfields.h"
#include "tshowlinectrl.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>
#include <vector>

using DialogFields::toQt;

BPEPDialog::BPEPDialog(BPEPDialogData &dialogData, ToolDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_data(dialogData)
    , m_work(dialogData)
    , m_dialogs(dialogs)
    , m_magnitude(new QButtonGroup(this))
    , m_phase(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Bode Plot Line Parameters"));
    const std::vector<std::pair<const char *, int>> modes[]
        = {{{"20Log", 2}, {"10Log", 1}, {"1:1", 0}}, {{"Radians", 0}, {"Degrees", 1}}, {}, {}};
    auto *grid = new QGridLayout;
    for (const BodeLineKind kind : bodeLineKinds) {
        const std::size_t i = index(kind);
        auto *box = new QGroupBox(toQt(std::string(bodeLineName(kind))), this);
        auto *row = new QHBoxLayout(box);
        QButtonGroup *group = kind == BodeLineKind::Magnitude ? m_magnitude : m_phase;
        const int checked
            = kind == BodeLineKind::Magnitude ? dialogData.magnitudeMode : dialogData.phaseMode;
        for (const auto &[text, id] : modes[i]) {
            auto *button = new QRadioButton(QString::fromUtf8(text), box);
            button->setChecked(id == checked);
            group->addButton(button, id);
            row->addWidget(button);
        }
        row->addStretch();
        m_lineButtons[i] = new QPushButton(QStringLiteral("Line Parameters..."), box);
        m_samples[i] = new TShowLineCtrl(box);
        m_samples[i]->setMinimumWidth(60);
        row->addWidget(m_lineButtons[i]);
        row->addWidget(m_samples[i]);
        grid->addWidget(box, static_cast<int>(i), 0);
        refreshSample(kind);
        connect(m_lineButtons[i], &QPushButton::clicked, this, [this, kind] {
            if (m_work.editLine(m_dialogs, kind))
                refreshSample(kind);
        });
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("For: ") + toQt(dialogData.elementName), this));
    layout->addLayout(grid);
    layout->addWidget(DialogFields::okCancel(this));
}

void BPEPDialog::refreshSample(BodeLineKind kind)
{
    const TPElemParam &line = m_work.line(kind);
    m_samples[index(kind)]->setLine(line.shown ? &line : nullptr);
}

void BPEPDialog::accept()
{
    if (m_magnitude->checkedButton())
        m_work.magnitudeMode = m_magnitude->checkedId();
    if (m_phase->checkedButton())
        m_work.phaseMode = m_phase->checkedId();
    m_data = m_work;
    QDialog::accept();
}
