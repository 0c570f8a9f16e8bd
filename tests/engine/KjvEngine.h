#pragma once
// The installed KJV edition that the build writes, loaded into the
// process-wide engine, with the user's data in a temporary folder. Tests
// skip when the edition is not there.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ScopedEnvironment.h"
#include "TempFolder.h"
#include "TestInstallation.h"
#include "engine/ixoObject.h"

namespace engine_testing {

class KjvEngine {
 public:
  // Nothing is loaded when the edition is missing (Present() false).
  KjvEngine();
  ~KjvEngine();
  KjvEngine(const KjvEngine&) = delete;
  KjvEngine& operator=(const KjvEngine&) = delete;

  bool Present() const { return installation_ != nullptr; }
  std::string HtmlDir() const { return installation_->HtmlDir(); }

 private:
  testing_support::TempFolder data_;
  testing_support::ScopedEnvironment dataHome_;
  std::unique_ptr<testing_support::TestInstallation> installation_;
  std::unique_ptr<engine::TixoEngine> previous_;
};

// The word key numbers (low 14 bits) of words w .. w + count - 1 of the
// engine's text, within the book that holds w.
std::vector<std::uint16_t> KeysFrom(std::uint32_t w, int count);

}  // namespace engine_testing
