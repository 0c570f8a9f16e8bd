#pragma once
// A small text loaded into the process-wide engine for search tests, with
// the user's data folder in a temporary folder of its own and dialogs
// recorded.

#include <string>
#include <string_view>
#include <vector>

#include "EngineFixture.h"
#include "ScopedEnvironment.h"
#include "TempFolder.h"
#include "engine/ixoObject.h"
#include "search/SearchResult.h"

namespace search_testing {

class SearchFixture {
 public:
  explicit SearchFixture(std::string_view description);

  engine::TixoEngine& Engine() { return *engine_; }
  platform::RecordingDialogService& Dialogs() { return text_.Dialogs(); }
  engine_testing::EngineFixture& Text() { return text_; }
  const testing_support::TempFolder& Temp() const { return temp_; }
  // The user's history folder, with a trailing separator.
  std::string HistoryDir() const { return engine_->UserDataDir + "History/"; }

  // The English word of a word number.
  std::string WordAt(std::uint32_t wordNumber);
  // The words (as the text spells them) that carry the condition's bit, in text order.
  std::vector<std::string> MarkedWords(int condition);

 private:
  testing_support::TempFolder temp_;
  testing_support::ScopedEnvironment dataHome_;
  engine_testing::EngineFixture text_;
  engine::TixoEngine* engine_ = nullptr;
};

// A result as "Book/Chapter/verse verse ...; ...", for short comparisons:
// "Genesis/1/3 5 9;Genesis/2/2;1  Samuel/1/1".
std::string Outline(const search::SearchResult& result);

}  // namespace search_testing
