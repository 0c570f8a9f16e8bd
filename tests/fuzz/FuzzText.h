#pragma once
// The small text the harnesses of the search and the text run over: a few
// verses of books 1, 19 and 43, with Strong's numbers, italics, a
// parenthetical run and possessives, built by the text builder.

#include <memory>
#include <string>

#include "ScopedEnvironment.h"
#include "TempFolder.h"
#include "TestInstallation.h"
#include "platform/Dialogs.h"

namespace fuzz {

// The text, written readably (see data/TextDescription.h).
extern const char SmallText[];

// The small text installed and loaded into the process-wide engine for the
// life of the process, the user's data in a temporary folder of its own and
// every dialog recorded. Made on first use.
class LoadedText {
 public:
  static LoadedText& Get();

  const std::string& HomeDir() const;
  // The user's history folder, with a trailing separator.
  std::string HistoryDir() const;
  const testing_support::TempFolder& Temp() const { return temp_; }
  platform::RecordingDialogService& Dialogs() { return *dialogs_; }

 private:
  LoadedText();

  testing_support::TempFolder temp_;
  testing_support::ScopedEnvironment dataHome_;
  testing_support::TestInstallation installation_;
  std::shared_ptr<platform::RecordingDialogService> dialogs_;
  platform::ScopedDialogService dialogGuard_;
};

}  // namespace fuzz
