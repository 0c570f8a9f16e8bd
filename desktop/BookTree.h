#pragma once
// The pieces of the Bible page that need no window: book captions, the
// address of a chapter page, the tool bar's book label, and reading a node of
// a book, chapter or verse safely, whatever tree it comes from.

#include <QString>
#include <string>
#include <string_view>

namespace engine {
struct TBookInfoRec;
}
namespace ui {
class TreeNode;
}

namespace desktop {

// The caption of a book node. A name that begins with 1, 2 or 3 gets its digit
// followed by the name with the digit replaced by a blank: "1 Kings" becomes
// "1", blank, blank, "Kings". Other names stay as they are.
QString BookCaption(std::string_view name);

// "file://" + htmlDir + "Bible/" + book + "/" + chapter + ".html#v" + verse;
// htmlDir is absolute and ends in a separator.
std::string ChapterPageAddress(std::string_view htmlDir, int book, int chapter, int verse);

// The tool bar's label for a short name: a leading 1, 2 or 3 becomes "I ",
// "II " or "III " in place of the digit and, when the second character is a
// blank, that blank too ("2  Kings 3" reads "II  Kings 3").
QString BookLabel(const QString& shortName);

// The engine's record of the book a node's data refers to; none when the data
// is not the address of one of the engine's 66 book records.
const engine::TBookInfoRec* BookRecordOf(const ui::TreeNode* node);

// The number of a chapter caption, "Chapter " and the number; 0 for any other caption.
int ChapterNumberOf(const QString& caption);
// The number of a verse caption; 0 for a caption that is not a number from 1.
int VerseNumberOf(const QString& caption);

// A chapter node's caption without "Chapter " (the first 8 characters).
QString ChapterText(const QString& caption);

}  // namespace desktop
