#include "WordSummaryPage.h"

#include "engine/SearchTokens.h"
#include "engine/ixoutils.h"
#include "platform/Paths.h"
#include "platform/StringList.h"
#include "platform/TextUtils.h"
#include "publish/HtmlText.h"

namespace desktop {
namespace {

constexpr char kTableHead[] = "<table border=\"0\" color=\"black\">";
constexpr char kFirstRowStart[] = "<tr><td><b>";
constexpr char kLaterRowStart[] = "<tr><td><b><br>";
constexpr char kWordMark[] = "<sp>";
constexpr char kWordEnd[] = "</b></td><td><b><sp>";
constexpr char kRuleRow[] = "<tr><td><hr></td><td><sp></td></tr>";
constexpr char kRowEnd[] = "</b></td></tr>";
constexpr char kGreekRow[] = "<tr><td><em>Greek:</em></td><td><b>";
constexpr char kHebrewRow[] = "<tr><td><em>Hebrew:</em></td><td><b>";
constexpr char kEnglishRow[] = "<tr><td><em>English:</em></td><td><b>";
constexpr char kListSeparator[] = ", ";
constexpr char kTableEnd[] = "</table>";
constexpr char kSpanLine[] = "<br><br>Search Sensitivity is ";
constexpr char kNoKind = '@';

std::string Picture(std::string_view homeDir) {
  std::string img = "<img src=\"";
  publish::AppendHtmlEscaped(img, platform::FileUrl(platform::JoinPath(homeDir, "image/Search.gif")));
  img += "\" border=\"0\" alt=\"Ixo Bible\">";
  return img;
}

// The Strong's numbers of an English word, or the English words of a number.
platform::TStringList Equivalents(std::string_view word) {
  const std::string_view token = platform::TrimBlanks(word);
  return engine::ClassifyToken(token) == 'E' ? engine::StrongsNumbersForWord(token)
                                             : engine::WordsForStrongsNumber(token);
}

// One row per kind of equivalent (Greek, Hebrew, English), in the order of
// the list; a number is shown without its letter.
void AppendEquivalentRows(std::string& page, const platform::TStringList& equivalents) {
  char previous = kNoKind;
  for (const std::string& entry : equivalents) {
    const char kind = engine::ClassifyToken(entry);
    const std::string_view shown = kind == 'E' ? std::string_view(entry) : std::string_view(entry).substr(1);
    if (kind != previous) {
      page += kRowEnd;
      if (previous != kNoKind) page += kRuleRow;
      previous = kind;
      page += kind == 'G' ? kGreekRow : kind == 'H' ? kHebrewRow : kEnglishRow;
    } else {
      page += kListSeparator;
    }
    publish::AppendHtmlEscaped(page, shown);
  }
}

}  // namespace

std::vector<std::string> WordListWords(std::string_view caption) {
  platform::TStringList words;
  words.SetCommaText(caption);
  return words.Items();
}

std::string WordSummaryPage(const std::vector<std::string>& words, std::string_view homeDir,
                            WordSummaryVariant variant) {
  const std::string img = Picture(homeDir);
  std::string page = kTableHead;
  for (std::size_t i = 0; i < words.size(); ++i) {
    page += i > 0 ? kLaterRowStart : kFirstRowStart;
    page += img;
    page += kWordMark;
    publish::AppendHtmlEscaped(page, words[i]);
    page += kWordEnd;
    page += kRuleRow;
    AppendEquivalentRows(page, Equivalents(words[i]));
    if (variant == WordSummaryVariant::Review) page += std::string(kRowEnd) + kRuleRow;
  }
  if (variant == WordSummaryVariant::Names) page += std::string(kRowEnd) + kRuleRow;
  page += kTableEnd;
  return page;
}

std::string SpanLine(std::intptr_t span) { return kSpanLine + std::to_string(span); }

}  // namespace desktop
