#pragma once
// An installation of a small text for engine tests: the edition written by the
// text builder, a copy of the data-file library of its own (its state is
// process-wide, and a distinct file is a distinct library to the loader), the
// machine values (the HTML folder too) in a registry store of its own, and
// dialogs recorded. Load()
// loads an engine on it and makes it the process-wide one until the fixture
// ends.

#include <memory>
#include <string>
#include <string_view>

#include "TempFolder.h"
#include "TestRegistry.h"
#include "engine/ixoObject.h"
#include "platform/Dialogs.h"

namespace engine_testing {

class EngineFixture {
 public:
  // Builds the text of the description (see data/TextDescription.h); a text
  // the builder refuses fails the current test.
  explicit EngineFixture(std::string_view description);
  ~EngineFixture();
  EngineFixture(const EngineFixture&) = delete;
  EngineFixture& operator=(const EngineFixture&) = delete;

  std::string InstallDir() const { return temp_.File("install/"); }
  std::string EditionDir() const { return temp_.File("edition/"); }
  std::string HtmlDir() const { return temp_.File("html/"); }
  std::string EditionFile(std::string_view name) const { return EditionDir() + std::string(name); }

  testing_support::TestRegistry& Registry() { return registry_; }
  platform::RecordingDialogService& Dialogs() { return *dialogs_; }

  // Loads a new engine and makes it the process-wide one.
  engine::TixoEngine& Load();
  engine::TixoEngine& Engine() { return *engine_; }

 private:
  testing_support::TempFolder temp_;
  testing_support::TestRegistry registry_;
  std::shared_ptr<platform::RecordingDialogService> dialogs_;
  platform::ScopedDialogService dialogGuard_;
  engine::TixoEngine* engine_ = nullptr;
  std::unique_ptr<engine::TixoEngine> previous_;
  bool replaced_ = false;
};

// Reads and writes little-endian words of a file in place, for fixtures whose
// bytes are spoilt on purpose.
std::uint16_t ReadU16(const std::string& path, std::size_t offset);
void WriteU16(const std::string& path, std::size_t offset, std::uint16_t value);

}  // namespace engine_testing
