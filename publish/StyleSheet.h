#pragma once
// The style sheet every chapter page links: HtmlDir + "style/ixo.css". Fixed
// rules for the page body, links and verse numbers, then one rule per lemma
// tag of the words that the checked search conditions name, so that the found
// words stand out in bold blue in every page.

#include <string>
#include <string_view>

namespace publish {

class FileSink;
class SearchConditions;

// Rewrites the whole style sheet. conditions null: no search, no tag rules.
// The font sizes come from the user's "Bible Font #1" and "Bible Font #2"
// (points). False when the folder or the file could not be written (reported
// in an error dialog; a good sheet is never replaced by part of one).
bool WriteStyleSheet(const SearchConditions* conditions, FileSink* sink = nullptr);

// Appends the rule ".{selector}" with its attributes.
void WriteStyleRule(std::string& sheet, std::string_view selector, std::string_view color);
// Appends "{", "font-weight:bold;", "color:" and color when not empty, "}".
void WriteStyleAttributes(std::string& sheet, std::string_view color);

}  // namespace publish
