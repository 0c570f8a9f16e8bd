#pragma once
// Words of the text, or of a study file that anyone may have edited, made
// safe to stand in file and page names.

#include <string>
#include <string_view>
#include <vector>

namespace search {

// One safe part of a file name: ASCII letters, digits, hyphens and
// underscores are kept, every other character becomes "_"; at most 64
// characters; never empty, ".", ".." or a path.
std::string SafeFileNamePart(std::string_view word);

// The page name of a list of words: each word made safe, joined with ",",
// and cut after 160 characters, so that the page (and the temporary file it
// is written through) can be made whatever the number of words. Lists that
// begin alike may share a name; a page is written again each time it is shown.
std::string SafePageName(const std::vector<std::string>& words);

}  // namespace search
