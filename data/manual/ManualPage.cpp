#include "ManualPage.h"

#include <regex>

namespace data::manual {
namespace {

using std::regex_constants::icase;

// What lies between the body's start and end tags; the whole text of a page
// without them.
std::string BodyOf(const std::string& page) {
  static const std::regex bodyStart(R"(<body[^>]*>)", icase);
  static const std::regex bodyEnd(R"(</body\s*>)", icase);
  std::smatch start;
  if (!std::regex_search(page, start, bodyStart)) return page;
  const std::string rest = start.suffix().str();
  std::smatch end;
  return std::regex_search(rest, end, bodyEnd) ? end.prefix().str() : rest;
}

}  // namespace

std::string ManualSectionBody(std::string_view page) {
  static const std::regex firstHeading(R"(<h1[^>]*>[\s\S]*?</h1\s*>)", icase);
  static const std::regex laterHeading(R"((</?)h[1-6]\b)", icase);
  static const std::regex pageLink(R"(<a\s[^>]*href\s*=\s*"(?!https?:|mailto:)[^"]*"[^>]*>([\s\S]*?)</a\s*>)", icase);

  std::string body = BodyOf(std::string(page));
  body = std::regex_replace(body, firstHeading, "", std::regex_constants::format_first_only);
  body = std::regex_replace(body, laterHeading, "$1h4");
  return std::regex_replace(body, pageLink, "$1");
}

}  // namespace data::manual
