#pragma once
// The small text the book-writer tests publish, as the edition of a test
// installation loaded into the process-wide engine (EngineFixture.h),
// with dialogs and shell requests recorded and an empty output folder.
//
//   Genesis 1:1 In the beginning God created the heaven.
//           1:2 And the earth *was* without form, (the LORD's) deep.
//           2:1 Call his name Maher-shalal-hash-baz now.
//           2:2 Amen.
//   1 Samuel 1:1 Now there was a man.
// (italics between stars); every other book is empty.

#include <memory>
#include <string>
#include <string_view>

#include "EngineFixture.h"
#include "TempFolder.h"
#include "engine/ixoObject.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "publish/PublishOptions.h"

namespace writers_test {

inline constexpr int Genesis = 1;
inline constexpr int FirstSamuel = 9;

class WritersText {
 public:
  WritersText();
  // Another text, in the form of TextDescription.h.
  explicit WritersText(std::string_view description);
  WritersText(const WritersText&) = delete;
  WritersText& operator=(const WritersText&) = delete;

  // The output folder, with a trailing separator.
  const std::string& Output() const { return outputFolder_.Path(); }
  std::string OutputFile(const std::string& name) const { return outputFolder_.File(name); }
  // The default options of a run, writing into the output folder.
  publish::PublishOptions OptionsIntoOutput() const {
    publish::PublishOptions options;
    options.folder = Output();
    return options;
  }
  // The whole file of the output folder; empty when it is not there.
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

  const engine::TBookInfoRec& Book(int number) const;

  platform::RecordingDialogService& Dialogs() { return text_.Dialogs(); }
  platform::RecordingShellService& Shell() { return *shell_; }

 private:
  engine_testing::EngineFixture text_;
  testing_support::TempFolder outputFolder_;
  std::shared_ptr<platform::RecordingShellService> shell_;
  platform::ScopedShellService shellGuard_;
};

}  // namespace writers_test
