#include "DocumentListing.h"

#include "HostDocument.h"
#include "QuotedText.h"

namespace wordhost {

std::string ListDocument(const HostDocument& document) {
  std::string listing;
  int number = 0;
  for (const Paragraph& paragraph : document.Paragraphs()) {
    listing += "paragraph " + std::to_string(++number) + "\n";
    for (const Run& run : paragraph.runs) {
      listing += "  " + QuotedText(run.text);
      if (run.format.bold) listing += " bold";
      if (run.format.italic) listing += " italic";
      if (run.format.superscript) listing += " superscript";
      if (run.format.color != 0) listing += " color " + std::to_string(run.format.color);
      listing += "\n";
    }
  }
  return listing;
}

}  // namespace wordhost
