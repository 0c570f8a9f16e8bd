#include "EngineFixture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/IxoFormat.h"
#include "data/TextBuilder.h"

namespace engine_testing {

EngineFixture::EngineFixture(std::string_view description)
    : installation_(IXOCORE_LIBRARY),
      dialogs_(std::make_shared<platform::RecordingDialogService>()), dialogGuard_(dialogs_) {
  const data::BuildResult built = data::BuildFixtureEdition(installation_.EditionDir(), description);
  EXPECT_TRUE(built.ok) << built.error;
}

EngineFixture::~EngineFixture() {
  if (replaced_) engine::ReplaceEngine(std::move(previous_));
}

engine::TixoEngine& EngineFixture::Load() {
  auto engine = std::make_unique<engine::TixoEngine>();
  engine::TixoEngine& loaded = *engine;
  std::unique_ptr<engine::TixoEngine> previous = engine::ReplaceEngine(std::move(engine));
  if (!replaced_) previous_ = std::move(previous);
  replaced_ = true;
  loaded.Load();
  return loaded;
}

std::uint16_t ReadU16(const std::string& path, std::size_t offset) {
  std::ifstream file(path, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(offset));
  unsigned char bytes[2] = {0, 0};
  file.read(reinterpret_cast<char*>(bytes), 2);
  return ixo::ReadU16(bytes);
}

void WriteU16(const std::string& path, std::size_t offset, std::uint16_t value) {
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  file.seekp(static_cast<std::streamoff>(offset));
  const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                  static_cast<unsigned char>(value >> 8)};
  file.write(reinterpret_cast<const char*>(bytes), 2);
}

}  // namespace engine_testing
