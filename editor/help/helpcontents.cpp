#include "helpcontents.h"

#include <algorithm>
#include <memory>
#include <system_error>

namespace {

// A page of its own: any ".html" or ".htm" file but the folder's "default.html".
bool isPageFile(const std::filesystem::path &file)
{
    const std::string extension = file.extension().string();
    return extension == ".htm" || (extension == ".html" && file.stem().string() != "default");
}

// The names in a folder in byte order, so that entries of equal order come out the same on
// every file system.
std::vector<std::filesystem::path> sortedNames(const std::filesystem::path &folder)
{
    std::vector<std::filesystem::path> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        names.push_back(it->path());
    std::sort(names.begin(), names.end());
    return names;
}

void sortByOrder(std::vector<HelpContents::Entry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HelpContents::Entry &a, const HelpContents::Entry &b) {
                         return a.link->order < b.link->order;
                     });
    for (HelpContents::Entry &entry : entries)
        sortByOrder(entry.children);
}

} // namespace

HelpContents::HelpContents(const std::filesystem::path &folder, const std::string &displayName)
{
    scan(folder, displayName, m_entries);
}

const THelpLink *HelpContents::find(std::string_view title) const
{
    if (title.empty())
        return nullptr;
    for (const THelpLink *link : m_links) {
        if (link->title == title)
            return link;
    }
    return nullptr;
}

const THelpLink *HelpContents::addLink(THelpLink link)
{
    m_links.append(std::make_unique<THelpLink>(std::move(link)));
    return m_links.last();
}

void HelpContents::scan(const std::filesystem::path &folder, std::string displayName,
                        std::vector<Entry> &parent)
{
    std::error_code error;
    const std::filesystem::path defaultPage = folder / "default.html";
    if (!std::filesystem::is_regular_file(defaultPage, error))
        return;
    THelpLink folderLink = THelpLink::read(defaultPage);
    if (folderLink.title.empty())
        folderLink.title = displayName;
    Entry branch{addLink(std::move(folderLink)), true, {}};

    for (const std::filesystem::path &name : sortedNames(folder)) {
        if (std::filesystem::is_directory(name, error)) {
            scan(name, name.filename().string(), branch.children);
        } else if (std::filesystem::is_regular_file(name, error) && isPageFile(name)) {
            THelpLink page = THelpLink::read(name);
            if (page.title.empty())
                page.title = name.stem().string();
            branch.children.push_back({addLink(std::move(page)), false, {}});
        }
    }
    sortByOrder(branch.children);
    parent.push_back(std::move(branch));
}
