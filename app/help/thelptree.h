#pragma once

#include <editor/help/helpcontents.h>

#include <QTreeWidget>

#include <memory>
#include <unordered_map>
#include <vector>

// The contents tree of the help viewer: one entry per help page (folders with their page
// "default.html" as branches), sorted by the pages' order values. Choosing an entry asks for
// its page; Previous Page and Next Page walk the tree.
class THelpTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit THelpTree(QWidget *parent = nullptr);
    ~THelpTree() override;

    // Builds the tree anew from the help folder and expands its first entry.
    void fill(const QString &helpFolder);
    bool isEmpty() const { return topLevelItemCount() == 0; }
    const THelpLink *link(const QTreeWidgetItem *item) const;
    const THelpLink *currentLink() const { return link(currentItem()); }

    // Selects the entry of the first page titled so and asks for its page; nothing happens
    // for an empty or unknown title. Answers whether there was one.
    bool showTopic(const QString &title);
    // The same without asking for the page.
    bool selectTopic(const QString &title);
    // Selects the entry of the page at the path without asking for it (the display went
    // there by itself).
    void followPage(const QString &path);

    // Previous Page: the previous sibling, else the parent. Next Page: the first child, else
    // the next visible entry. Each is possible when that entry has a page.
    bool canGoPrevious() const { return previousTarget() != nullptr; }
    bool canGoNext() const { return nextTarget() != nullptr; }
    void previousPage();
    void nextPage();

signals:
    void pageRequested(const QString &path);
    // The selected entry changed (the toolbar follows).
    void selectionMoved();

private:
    QTreeWidgetItem *previousTarget() const;
    QTreeWidgetItem *nextTarget() const;
    // A target is an entry whose link has a page path.
    QTreeWidgetItem *withPage(QTreeWidgetItem *item) const;
    void select(QTreeWidgetItem *item, bool requestPage);
    void addEntries(const std::vector<HelpContents::Entry> &entries, QTreeWidgetItem *parent);

    std::unique_ptr<HelpContents> m_contents;
    std::unordered_map<const THelpLink *, QTreeWidgetItem *> m_items;
    bool m_selecting = false;
};
