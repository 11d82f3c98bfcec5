#pragma once

#include "thelplink.h"

#include <common/mptrarray.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The contents tree of the help pages, built from a folder tree of HTML files. A folder that
// holds a page "default.html" is a branch named by that page's title (or by the folder's
// name); every other page ending in ".html" or ".htm" is a leaf of its folder, named by its
// title (or its file name without the extension). A folder without "default.html" is left
// out with everything below it. The entries of each branch are sorted by their pages' order
// values, smallest first; entries of equal order keep the order of their file names.
class HelpContents
{
public:
    struct Entry
    {
        const THelpLink *link = nullptr;
        bool folder = false;
        std::vector<Entry> children;
    };

    // Scans the folder as the top branch (none when it has no "default.html"), named
    // displayName when its page has no title.
    HelpContents(const std::filesystem::path &folder, const std::string &displayName);
    HelpContents(const HelpContents &) = delete;
    HelpContents &operator=(const HelpContents &) = delete;

    // The entries below the root: the top branch, or none.
    const std::vector<Entry> &entries() const { return m_entries; }
    // Every link, in the order in which the scan made them.
    const MPtrArray<THelpLink> &links() const { return m_links; }
    // The first link whose title equals the title exactly; none for an empty title.
    const THelpLink *find(std::string_view title) const;

private:
    void scan(const std::filesystem::path &folder, std::string displayName,
              std::vector<Entry> &parent);
    const THelpLink *addLink(THelpLink link);

    MPtrArray<THelpLink> m_links;
    std::vector<Entry> m_entries;
};
