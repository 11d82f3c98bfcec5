#include "thelptree.h"

#include <filepaths.h>

#include <QStyle>

THelpTree::THelpTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(20, 20));
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_selecting && item) {
            if (const THelpLink *page = link(item))
                emit pageRequested(FilePaths::toQString(page->path));
        }
        emit selectionMoved();
    });
}

THelpTree::~THelpTree() = default;

void THelpTree::fill(const QString &helpFolder)
{
    clear();
    m_items.clear();
    const std::filesystem::path folder = FilePaths::toPath(helpFolder);
    m_contents = std::make_unique<HelpContents>(folder, folder.filename().string());
    addEntries(m_contents->entries(), nullptr);
    if (QTreeWidgetItem *first = topLevelItem(0))
        first->setExpanded(true);
}

void THelpTree::addEntries(const std::vector<HelpContents::Entry> &entries, QTreeWidgetItem *parent)
{
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon pageIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const HelpContents::Entry &entry : entries) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, QString::fromStdString(entry.link->title));
        item->setToolTip(0, item->text(0));
        item->setIcon(0, entry.folder ? folderIcon : pageIcon);
        m_items[entry.link] = item;
        addEntries(entry.children, item);
    }
}

const THelpLink *THelpTree::link(const QTreeWidgetItem *item) const
{
    if (!item)
        return nullptr;
    for (const auto &[page, entry] : m_items) {
        if (entry == item)
            return page;
    }
    return nullptr;
}

bool THelpTree::showTopic(const QString &title)
{
    if (!selectTopic(title))
        return false;
    emit pageRequested(FilePaths::toQString(currentLink()->path));
    return true;
}

bool THelpTree::selectTopic(const QString &title)
{
    const THelpLink *page = m_contents ? m_contents->find(title.toStdString()) : nullptr;
    if (!page)
        return false;
    select(m_items.at(page), false);
    return true;
}

void THelpTree::followPage(const QString &path)
{
    const std::filesystem::path file = FilePaths::toPath(path).lexically_normal();
    for (const auto &[page, item] : m_items) {
        if (page->path.lexically_normal() == file) {
            if (item != currentItem())
                select(item, false);
            return;
        }
    }
}

QTreeWidgetItem *THelpTree::withPage(QTreeWidgetItem *item) const
{
    const THelpLink *page = link(item);
    return page && !page->path.empty() ? item : nullptr;
}

QTreeWidgetItem *THelpTree::previousTarget() const
{
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return nullptr;
    QTreeWidgetItem *parent = item->parent();
    const int index = parent ? parent->indexOfChild(item) : indexOfTopLevelItem(item);
    if (index > 0) {
        if (QTreeWidgetItem *sibling
            = withPage(parent ? parent->child(index - 1) : topLevelItem(index - 1)))
            return sibling;
    }
    return withPage(parent);
}

QTreeWidgetItem *THelpTree::nextTarget() const
{
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return nullptr;
    if (QTreeWidgetItem *child = withPage(item->child(0)))
        return child;
    return withPage(itemBelow(item));
}

void THelpTree::previousPage()
{
    if (QTreeWidgetItem *target = previousTarget())
        select(target, true);
}

void THelpTree::nextPage()
{
    if (QTreeWidgetItem *target = nextTarget())
        select(target, true);
}

void THelpTree::select(QTreeWidgetItem *item, bool requestPage)
{
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    m_selecting = true;
    setCurrentItem(item);
    m_selecting = false;
    scrollToItem(item);
    if (requestPage)
        emit pageRequested(FilePaths::toQString(link(item)->path));
}
