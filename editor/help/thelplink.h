#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// One help page: its title (the folder or file name when the page gives none), the full path
// of its file and the "order" value of its head (0 when it gives none), by which the contents
// sort their entries.
struct THelpLink
{
    std::string title;
    std::filesystem::path path;
    std::int32_t order = 0;

    // Reads the title and order of a page. The file is read line by line, without regard to
    // case, until both are found. Only the first tag of a line counts: a "title" tag gives the
    // text up to the next "<" as the title; a tag with "meta", "name" and "content" whose
    // quoted name value contains "order" gives the leading digits of its quoted content value
    // as the order. An unreadable page gives an empty title and order 0.
    static THelpLink read(const std::filesystem::path &page);
};
