#include "publish/HtmlPages.h"

#include <charconv>

#include "engine/WordCursor.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/TextUtils.h"
#include "publish/BookInText.h"
#include "publish/DiskFiles.h"
#include "publish/HtmlText.h"
#include "publish/OutputFile.h"
#include "publish/WordPunctuation.h"

namespace publish {
namespace {

constexpr std::string_view PageHeadLink =
    "</title>\n"
    "<head>\n"
    "<link rel=\"stylesheet\" href=\"../../style/ixo.css\">\n"
    "</head>\n"
    "<body onload=\"allLoaded=true\">\n";

constexpr std::string_view PageEnd =
    "<script SRC=\"../../style/ixo-css.js\" language=\"javascript\"></script>\n"
    "</body>\n"
    "</html>\n";

// Every word stands in a span whose class is its lemma tag: the style sheet
// highlights the words of the search conditions through it.
void AppendWord(std::string& page, const engine::TWordCursor& cursor) {
  const ixo::IxoWritten& word = *cursor.Cur;
  const std::string display = engine::KeyToDisplayWord(word.key);
  const bool italic = (word.flags & ixo::FlagItalic) != 0;

  page += WordPrefix(cursor.Prev, word);
  page += "<span class=\"";
  AppendHtmlEscaped(page, engine::MakeLemmaTag(platform::LowerCase(display), cursor.Lemma));
  page += "\">";
  if (italic) page += "<em>";
  AppendHtmlEscaped(page, display);
  if (italic) page += "</em>";
  page += "</span>";
  page += WordSuffix(word, cursor.Next, LastCharacter(display));
}

// The page of one chapter, its verses written from one walk of the cursor.
std::string ChapterPage(int book, int chapter, const PublishOptions& options) {
  engine::TixoEngine& text = engine::Engine();
  std::string page = "<html>\n<title>\n";
  AppendHtmlEscaped(page, text.BookNames[book]);
  page += ' ';
  page += std::to_string(chapter);
  page += '\n';
  page += PageHeadLink;

  engine::TWordCursor cursor;
  if (text.SeekVerse(book, chapter, 1, cursor)) {
    const int verses = text.ChapterVerseCount(cursor.Cur);
    for (int verse = 1; verse <= verses; ++verse) {
      if (options.processMessages) options.processMessages();
      if (!WriteVerseHtml(page, cursor, verse)) break;
    }
  }
  page += PageEnd;
  return page;
}

}  // namespace

bool WriteVerseHtml(std::string& page, engine::TWordCursor& cursor, int verse) {
  const std::string number = std::to_string(verse);
  page += "<A name=\"v" + number + "\" class=\"v\">" + number + "</A><span class=\"v" + number + "\">";
  bool movedOn = false;
  for (bool first = true;; first = false) {
    if (!first) page += ' ';
    AppendWord(page, cursor);
    const std::uint8_t verseByte = cursor.Cur->verse;
    movedOn = engine::NextWord(cursor);
    if (!movedOn || cursor.Cur->verse != verseByte) break;
  }
  page += "</span>\n";
  return movedOn;
}

bool WriteChapterHtml(int book, int chapter, const PublishOptions& options) {
  if (book < 1 || book > ixo::BookCount || chapter < 0) return true;
  engine::TixoEngine& text = engine::Engine();
  FileSink& sink = options.sink ? *options.sink : DiskFiles();

  const std::string folder = text.HtmlDir + "Bible/" + std::to_string(book);
  if (text.HtmlDir.empty() || !sink.CreateFolder(folder)) {
    ReportUnwritable(folder);
    return false;
  }
  const int first = chapter == 0 ? 1 : chapter;
  const int last = chapter == 0 ? text.BookInfo[book].ChapterCount : chapter;
  for (int c = first; c <= last; ++c)
    if (!WriteWholeFile(sink, folder + "/" + std::to_string(c) + ".html", ChapterPage(book, c, options)))
      return false;
  return true;
}

bool WriteChapterHtmlForNode(const engine::TBookInfoRec& book, std::string_view caption,
                             const PublishOptions& options) {
  constexpr std::string_view prefix = "Chapter ";
  if (!caption.starts_with(prefix)) return true;
  const std::string_view digits = caption.substr(prefix.size());
  int chapter = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), chapter);
  if (error != std::errc() || end != digits.data() + digits.size() || chapter < 1) return true;
  return WriteChapterHtml(book.Ordinal + 1, chapter, options);
}

bool WriteBookHtml(const engine::TBookInfoRec& book, const PublishOptions& options) {
  if (!BookIsInText(book)) return true;
  return WriteChapterHtml(book.Ordinal + 1, 0, options);
}

}  // namespace publish
