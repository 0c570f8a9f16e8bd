#include "KjvEngine.h"

#include "core/IxoFormat.h"
#include "engine/TextIndex.h"
#include "platform/Paths.h"

namespace engine_testing {

KjvEngine::KjvEngine() : dataHome_("XDG_DATA_HOME", data_.File("data").c_str()) {
  if (!platform::FileExists(std::string(IXO_BUILT_EDITION) + ixo::TextFileName)) return;
  installation_ = std::make_unique<testing_support::TestInstallation>(IXOCORE_LIBRARY, IXO_BUILT_EDITION);
  auto engine = std::make_unique<engine::TixoEngine>();
  engine->Load();
  previous_ = engine::ReplaceEngine(std::move(engine));
}

KjvEngine::~KjvEngine() {
  if (installation_) engine::ReplaceEngine(std::move(previous_));
}

std::vector<std::uint16_t> KeysFrom(std::uint32_t w, int count) {
  engine::TextIndex& index = engine::Engine().WordIndex();
  const int book = index.BookOfWord(w);
  std::vector<std::uint16_t> keys;
  for (std::uint32_t n = w; n < w + static_cast<std::uint32_t>(count) && index.BookOfWord(n) == book; ++n)
    keys.push_back(ixo::KeyNumber(index.Record(book, n).key));
  return keys;
}

}  // namespace engine_testing
