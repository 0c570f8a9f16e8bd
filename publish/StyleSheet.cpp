#include "publish/StyleSheet.h"

#include <optional>

#include "engine/SearchTokens.h"
#include "engine/ixoObject.h"
#include "engine/ixoutils.h"
#include "platform/Registry.h"
#include "platform/StringList.h"
#include "platform/TextUtils.h"
#include "publish/DiskFiles.h"
#include "publish/HtmlText.h"
#include "publish/OutputFile.h"
#include "publish/SearchConditions.h"

namespace publish {
namespace {

struct FontSizes {
  std::string body = "14pt;";
  std::string verseNumber = "11pt;";
};

// The user's two font sizes in points; both stay at their defaults unless both
// values are there and positive.
FontSizes ReadFontSizes() {
  FontSizes sizes;
  platform::TRegistry registry(platform::RootKey::CurrentUser);
  if (!registry.OpenKey("SOFTWARE\\Varnholt\\Ixo Bible", false)) return sizes;
  const std::optional<std::int32_t> body = registry.ReadInteger("Bible Font #1");
  const std::optional<std::int32_t> verseNumber = registry.ReadInteger("Bible Font #2");
  if (body && verseNumber && *body > 0 && *verseNumber > 0) {
    sizes.body = std::to_string(*body) + "pt;";
    sizes.verseNumber = std::to_string(*verseNumber) + "pt;";
  }
  return sizes;
}

std::string FixedRules(const FontSizes& sizes) {
  std::string sheet =
      "<!--\n"
      "BODY\n"
      "{\n"
      "font-family:\t\ttrebuchet ms;\n"
      "font-size:\t\t\t" + sizes.body + "\n"
      "font-weight:\t\tnormal;\n"
      "text-decoration:\tnone;\n"
      "color:\t\t\t\twhite;\n"
      "background:\t\tblack;\n"
      "margin-top:\t\t3pt;\n"
      "margin-bottom:\t\t7pt;\n"
      "margin-left:\t\t7pt;\n"
      "margin-right:\t\t7pt;\n"
      "text-align:\t\tjustify;\n"
      "}\n";
  constexpr std::string_view linkRule =
      "{\n"
      "onmouseover:\t\tbold;\n"
      "color:\t\t\t\twhite;\n"
      "text-decoration:\tnone\n"
      "}\n";
  sheet += "a:link+ a:visited\n";
  sheet += linkRule;
  sheet += "a:active\n";
  sheet += linkRule;
  sheet +=
      ".v\n"
      "{\n"
      "font-size:\t\t\t" + sizes.verseNumber + "\n"
      "font-weight:\t\tbold;\n"
      "color:\t\t\t\tblue;\n"
      "vertical-align:\t\tsuper\n"
      "}\n";
  return sheet;
}

// The lemma tags of every word of the checked conditions, sorted and unique.
platform::TStringList SearchedTags(const SearchConditions& conditions) {
  platform::TStringList tags = platform::TStringList::SortedUnique();
  for (int condition = 1; condition <= SearchConditions::Count; ++condition) {
    if (!conditions.Checked(condition)) continue;
    for (const std::string& word : conditions.Words(condition)) {
      const std::string token = platform::LowerCase(word);
      const char kind = engine::ClassifyToken(token);
      if (kind == 'E') {
        engine::LemmaTagsForWord(token, tags);
      } else if (kind == 'H' || kind == 'G') {
        // A number outside 1 to 32,767 names nothing.
        if (const std::optional<engine::TokenValue> value = engine::ParseToken(kind, token))
          engine::LemmaTagsForStrongsNumber(value->Number, kind, tags);
      }
    }
  }
  return tags;
}

}  // namespace

void WriteStyleAttributes(std::string& sheet, std::string_view color) {
  sheet += "{\nfont-weight:bold;\n";
  if (!color.empty()) {
    sheet += "color:";
    sheet += color;
    sheet += '\n';
  }
  sheet += "}\n";
}

void WriteStyleRule(std::string& sheet, std::string_view selector, std::string_view color) {
  sheet += '.';
  AppendCssIdentifier(sheet, selector);
  sheet += "\r\n";
  WriteStyleAttributes(sheet, color);
}

bool WriteStyleSheet(const SearchConditions* conditions, FileSink* sink) {
  FileSink& files = sink ? *sink : DiskFiles();
  const std::string& htmlDir = engine::Engine().HtmlDir;
  const std::string folder = htmlDir + "style";
  if (htmlDir.empty() || !files.CreateFolder(folder)) {
    ReportUnwritable(folder);
    return false;
  }

  std::string sheet = FixedRules(ReadFontSizes());
  if (conditions)
    for (const std::string& tag : SearchedTags(*conditions)) WriteStyleRule(sheet, tag, "blue");
  sheet += "-->\n";

  return WriteWholeFile(files, folder + "/ixo.css", sheet);
}

}  // namespace publish
