#pragma once
// A small text installed for engine tests: the edition written by the text
// builder into a test installation (see TestInstallation.h), and dialogs
// recorded. Load() loads an engine on it and makes it the process-wide one
// until the fixture ends.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "TestInstallation.h"
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

  std::string InstallDir() const { return installation_.InstallDir(); }
  std::string HtmlDir() const { return installation_.HtmlDir(); }
  std::string EditionFile(std::string_view name) const {
    return installation_.EditionDir() + std::string(name);
  }

  testing_support::TestRegistry& Registry() { return installation_.Registry(); }
  platform::RecordingDialogService& Dialogs() { return *dialogs_; }

  // Loads a new engine and makes it the process-wide one.
  engine::TixoEngine& Load();

 private:
  testing_support::TestInstallation installation_;
  std::shared_ptr<platform::RecordingDialogService> dialogs_;
  platform::ScopedDialogService dialogGuard_;
  std::unique_ptr<engine::TixoEngine> previous_;
  bool replaced_ = false;
};

// Reads and writes little-endian words of a file in place, for fixtures whose
// bytes are spoilt on purpose.
std::uint16_t ReadU16(const std::string& path, std::size_t offset);
void WriteU16(const std::string& path, std::size_t offset, std::uint16_t value);

}  // namespace engine_testing
