#pragma once
// A help page as a section of the manual: what its body holds, without the
// page's own first heading (the section's title stands in its place), its
// further headings all made h4 (so that they stand below the section's
// heading, h1 to h3 by its depth), and its links to other help pages turned
// into their plain text, which a printed manual cannot follow. Links to the
// web stay links.

#include <string>
#include <string_view>

namespace data::manual {

std::string ManualSectionBody(std::string_view page);

}  // namespace data::manual
