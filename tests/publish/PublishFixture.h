#pragma once
// The small text the publishing tests write their pages and documents from.
//
// Book 1 has three chapters. Chapter 1 holds every feature a page shows:
//   1 In the beginning God created the heaven and the earth.
//   2 And the earth *was* without form, and void; and darkness *was* upon the deep:
//   3 And God saw the light, that *it was* good!
//   4 Who is the LORD--; (for his servant's.) Moses' God?
//   5 Call his name Maher-shalal-hash-baz.
//   6 Amen.
// (italics between stars), with Hebrew Strong's numbers on most words and two
// on "created". Chapter 2 has two verses; chapter 3 one verse, "(Amen.)", a
// parenthetical run that ends with the book. Books 2 to 65 have one chapter
// of one verse, "God." (book 2 three hundred times), Hebrew 430 or Greek
// 2316; book 66 has two chapters, "God. Amen." and "Amen." (Greek 281).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "TestInstallation.h"
#include "data/TextModel.h"
#include "engine/ixoObject.h"

namespace publish_test {

data::SourceText PublishText();

// The fixture text as the edition of a test installation (see
// TestInstallation.h), loaded into a new engine that is the process-wide one
// until the object ends.
class LoadedText {
 public:
  // patch, when given, changes the built edition folder before it is loaded.
  explicit LoadedText(const std::function<void(const std::string& editionDir)>& patch = {});
  ~LoadedText();
  LoadedText(const LoadedText&) = delete;
  LoadedText& operator=(const LoadedText&) = delete;

  // The engine's HTML folder, with a trailing separator.
  std::string HtmlDir() const { return installation_.HtmlDir(); }

 private:
  testing_support::TestInstallation installation_;
  std::unique_ptr<engine::TixoEngine> previous_;
};

// Gives the first word of the edition's text whose flags byte is exactly
// flags a key that names no word of the word list, so that its display word
// is empty.
void GiveWordAnIllegalKey(const std::string& editionDir, std::uint8_t flags);

// A file of the hand-made expected pages and style sheets.
std::string GoldenFile(const std::string& name);

}  // namespace publish_test
