// ixokjv EDITION-FOLDER
// Reads Debian's KJV module, writes the three text files of the edition into
// the folder and checks what it wrote. Says what is wrong, and where, and
// exits with 1 when the module cannot be read or stored or the check fails.

#include <cstdio>
#include <iostream>

#include "core/IxoFormat.h"
#include "data/TextBuilder.h"
#include "data/kjv/EditionCheck.h"
#include "data/kjv/KjvModule.h"
#include "platform/Paths.h"

namespace {

// A failed build or check leaves no files behind (none of an edition written
// only in part), so that the next build writes them again.
void RemoveEdition(const std::string& folder) {
  for (const char* name : {ixo::TextFileName, ixo::LemmaFileName, ixo::EnglishFileName})
    std::remove((folder + name).c_str());
}

std::string Summary(const data::SourceText& text) {
  long chapters = 0, verses = 0, words = 0, italic = 0;
  for (const data::SourceBook& book : text.books)
    for (const data::SourceChapter& chapter : book.chapters) {
      ++chapters;
      for (const data::SourceVerse& verse : chapter.verses) {
        ++verses;
        for (const data::SourceWord& word : verse.words) {
          ++words;
          if (word.flags & ixo::FlagItalic) ++italic;
        }
      }
    }
  return std::to_string(text.books.size()) + " books, " + std::to_string(chapters) + " chapters, " +
         std::to_string(verses) + " verses, " + std::to_string(words) + " words (" + std::to_string(italic) +
         " in italics)";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ixokjv EDITION-FOLDER\n";
    return 2;
  }
  const std::string folder = platform::IncludeTrailingSeparator(argv[1]);
  data::SourceText text;
  try {
    text = data::kjv::ReadKjvModule();
  } catch (const data::kjv::KjvModuleError& error) {
    std::cerr << "ixokjv: " << error.what() << "\n";
    return 1;
  }
  const data::BuildResult built = data::BuildEdition(folder, text);
  if (!built.ok) {
    std::cerr << "ixokjv: " << built.error << "\n";
    RemoveEdition(folder);
    return 1;
  }
  const std::vector<std::string> problems = data::kjv::CheckEdition(folder);
  if (!problems.empty()) {
    for (const std::string& problem : problems) std::cerr << "ixokjv: " << problem << "\n";
    RemoveEdition(folder);
    return 1;
  }
  std::cout << "ixokjv: " << Summary(text) << " in " << folder << "\n";
  return 0;
}
