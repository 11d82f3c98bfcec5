#include "transfuncextendedviewdialog.h"

#include "dialogfields.h"
#include "polezeropicture.h"

#include <tools/transfuncextendedviewdata.h>

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using DialogFields::toQt;

namespace {

QListWidget *rootList(const std::vector<std::string> &lines, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    // The columns of the numbers line up in a fixed-pitch font.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const std::string &line : lines)
        list->addItem(toQt(line));
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 40);
    return list;
}

} // namespace

TransFuncExtendedViewDialog::TransFuncExtendedViewDialog(
    const TransFuncExtendedViewData &dialogData, QWidget *parent)
    : QDialog(parent)
    , m_name(new QLabel(toQt(dialogData.name), this))
    , m_evaluation(new QLabel(toQt(dialogData.lastEvaluation), this))
    , m_numeratorAccuracy(new QLabel(toQt(dialogData.numeratorAccuracy), this))
    , m_denominatorAccuracy(new QLabel(toQt(dialogData.denominatorAccuracy), this))
    , m_numerator(rootList(dialogData.numeratorRoots, this))
    , m_cancelledNumerator(rootList(dialogData.cancelledNumeratorRoots, this))
    , m_denominator(rootList(dialogData.denominatorRoots, this))
    , m_cancelledDenominator(rootList(dialogData.cancelledDenominatorRoots, this))
{
    setWindowTitle(QStringLiteral("Transfer Function Extended View"));
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    auto *roots = new QGridLayout;
    roots->addWidget(m_numeratorAccuracy, 0, 0, 1, 2);
    roots->addWidget(new QLabel(QStringLiteral("Roots"), this), 1, 0);
    roots->addWidget(new QLabel(QStringLiteral("Cancelled Roots"), this), 1, 1);
    roots->addWidget(m_numerator, 2, 0);
    roots->addWidget(m_cancelledNumerator, 2, 1);
    roots->addWidget(m_denominatorAccuracy, 3, 0, 1, 2);
    roots->addWidget(new QLabel(QStringLiteral("Roots"), this), 4, 0);
    roots->addWidget(new QLabel(QStringLiteral("Cancelled Roots"), this), 4, 1);
    roots->addWidget(m_denominator, 5, 0);
    roots->addWidget(m_cancelledDenominator, 5, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *texts = new QVBoxLayout;
    texts->addWidget(m_name);
    texts->addWidget(m_evaluation);
    texts->addLayout(roots, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(texts, 1);
    columns->addWidget(new PoleZeroPicture(dialogData.poleZeroMap, this), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
}
