#pragma once

// The help topics that the Help menu opens, by their page titles.
namespace HelpTopics {

// "&Contents"
inline constexpr const char *contents = "Zenodyne Help";
// "&Using help"
inline constexpr const char *usingHelp = "How To Use This Help System";
// "Index"
inline constexpr const char *index = "Help Index";

} // namespace HelpTopics
