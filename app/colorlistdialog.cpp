#include "colorlistdialog.h"

#include "drawingsettings.h"
#include "qtdrawsurface.h"

#include <editor/colorrolesetting.h>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QIcon swatch(const Color &color)
{
    QPixmap pixmap(32, 16);
    pixmap.fill(QtDrawSurface::toQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColorListDialog::ColorListDialog(DrawingSettings &settings, Set set, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_set(set)
    , m_before(DrawColors::current())
    , m_list(new QListWidget(this))
{
    setWindowTitle(set == Set::Screen ? QStringLiteral("Circuit Editor Screen Colors")
                                      : QStringLiteral("Circuit Editor Printer Colors"));
    m_list->setIconSize(QSize(32, 16));
    for (const ColorRoleSetting &setting : colorRoleSettings()) {
        if (set == Set::Printer && !DrawColors::hasPrinterColor(setting.role))
            continue;
        m_roles.push_back(setting.role);
        auto *item = new QListWidgetItem(QString::fromUtf8(setting.label), m_list);
        showColor(*item, roleColor(setting.role));
    }
    m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ColorListDialog::chooseColor);

    auto *group = new QGroupBox(QStringLiteral("Colors"), this);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list);
    groupLayout->addWidget(new QLabel(QStringLiteral("double click to change a color"), group));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    m_list->setMinimumHeight(m_list->sizeHintForRow(0) * static_cast<int>(m_roles.size() + 1));
}

Color ColorListDialog::roleColor(ColorRole role) const
{
    const DrawColors &colors = DrawColors::current();
    return m_set == Set::Screen ? colors.screen(role) : colors.printer(role);
}

void ColorListDialog::showColor(QListWidgetItem &item, const Color &color)
{
    item.setIcon(swatch(color));
}

void ColorListDialog::chooseColor(QListWidgetItem *item)
{
    const int row = m_list->row(item);
    const QColor chosen = QColorDialog::getColor(
        QtDrawSurface::toQColor(roleColor(m_roles.at(static_cast<std::size_t>(row)))), this,
        item->text());
    if (chosen.isValid())
        setRoleColor(row, Color{static_cast<std::uint8_t>(chosen.red()),
                                static_cast<std::uint8_t>(chosen.green()),
                                static_cast<std::uint8_t>(chosen.blue())});
}

void ColorListDialog::setRoleColor(int row, const Color &color)
{
    const ColorRole role = m_roles.at(static_cast<std::size_t>(row));
    DrawColors &colors = DrawColors::current();
    if (m_set == Set::Screen)
        colors.setScreen(role, color);
    else
        colors.setPrinter(role, color);
    showColor(*m_list->item(row), color);
}

void ColorListDialog::accept()
{
    m_settings.save();
    QDialog::accept();
}

void ColorListDialog::reject()
{
    DrawColors::current() = m_before;
    QDialog::reject();
}
