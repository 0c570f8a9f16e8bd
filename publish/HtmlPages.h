#pragma once
// The chapter pages of the HTML folder: HtmlDir + "Bible/{book}/{chapter}.html",
// one page per chapter, each linking the style sheet "../../style/ixo.css".
// Every page is built whole and then written through an OutputFile, so a page
// that cannot be written completely never replaces a good one; the failure is
// reported in an error dialog and the routines return false, so that the
// caller stops its run. Of a run's options the pages read processMessages
// and sink.

#include <string>
#include <string_view>

#include "publish/PublishOptions.h"

namespace engine {
struct TBookInfoRec;
struct TWordCursor;
}  // namespace engine

namespace publish {

// Writes the page of chapter `chapter` of book `book`; chapter 0 writes every
// chapter of the book. A book outside 1..66 or a chapter below 0 writes
// nothing; a chapter beyond the book is written with the text of its last
// chapter, where the cursor lands for it. False when a page or its folder
// could not be written (reported).
bool WriteChapterHtml(int book, int chapter, const PublishOptions& options = {});

// Appends the verse line of the verse under the cursor to page, numbered
// `verse`, and moves the cursor on with NextWord. True when the cursor then
// stands on the first word of the next verse; false at the book's end.
bool WriteVerseHtml(std::string& page, engine::TWordCursor& cursor, int verse);

// A chapter node of the Bible tree: its parent's book record and its caption,
// "Chapter " and the number. A caption of another form writes nothing.
bool WriteChapterHtmlForNode(const engine::TBookInfoRec& book, std::string_view caption,
                             const PublishOptions& options = {});

// A book node of the Bible tree: every chapter of its book; a record past the
// last book is reported in a warning ("Book #67 is not contained in the bible").
bool WriteBookHtml(const engine::TBookInfoRec& book, const PublishOptions& options = {});

}  // namespace publish
