#include "palettetoolbar.h"

#include "paletteicons.h"

#include <editor/palette.h>

#include <QActionGroup>

namespace {

QKeySequence shortcutFor(const PaletteEntryInfo &info)
{
    if (info.entry == PaletteEntry::SelectCursor)
        return QKeySequence(Qt::Key_Escape);
    if (info.shortcut == 0)
        return {};
    return QKeySequence(QString(QChar::fromLatin1(info.shortcut)));
}

} // namespace

PaletteToolBar::PaletteToolBar(Palette &palette, QWidget *parent)
    : QToolBar(QStringLiteral("Toolbar"), parent)
    , m_palette(palette)
{
    setObjectName(QStringLiteral("Toolbar"));
    setIconSize(QSize(PaletteIcons::iconSize, PaletteIcons::iconSize));
    auto *group = new QActionGroup(this);
    for (const PaletteEntryInfo &info : paletteEntries()) {
        auto *action = new QAction(PaletteIcons::iconFor(info.entry),
                                   QString::fromUtf8(info.toolTip()), group);
        action->setCheckable(true);
        action->setStatusTip(QString::fromUtf8(info.statusText()));
        const QKeySequence shortcut = shortcutFor(info);
        QString toolTip = QString::fromUtf8(info.toolTip());
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            toolTip += QStringLiteral(" (%1)").arg(shortcut.toString(QKeySequence::NativeText));
        }
        action->setToolTip(toolTip);
        const PaletteEntry entry = info.entry;
        connect(action, &QAction::triggered, this, [this, entry] { m_palette.choose(entry); });
        addAction(action);
        m_actions.emplace(entry, action);
        if (entry == PaletteEntry::InsertCursor || entry == PaletteEntry::CurrentTag)
            addSeparator();
    }
    m_palette.addListener(*this);
    paletteChanged();
}

PaletteToolBar::~PaletteToolBar()
{
    m_palette.removeListener(*this);
}

void PaletteToolBar::paletteChanged()
{
    m_actions.at(m_palette.chosenEntry())->setChecked(true);
}
