// Benchmarks of the publishing on the edition in IXO_EDITION (or the built one):
// every chapter page of the text written into a temporary HTML folder (also
// put on the disk, by one sync of the file system or by one fsync per file),
// and the style sheet of a search for two words.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BenchEngine.h"
#include "engine/ixoObject.h"
#include "platform/WholeFile.h"
#include "publish/HtmlPages.h"
#include "publish/SearchConditions.h"
#include "publish/StyleSheet.h"

namespace {

class TwoWords final : public publish::SearchConditions {
 public:
  bool Checked(int condition) const override { return condition <= 2; }
  std::vector<std::string> Words(int condition) const override {
    if (condition == 1) return {"beginning"};
    if (condition == 2) return {"love"};
    return {};
  }
};

// How the pages are put on the disk, before the marker that vouches for them
// is written: not at all (left to the system), by one sync of the file
// system, or by one fsync per file and folder.
enum class Flush { None, SyncFileSystem, FsyncEachFile };

bool FsyncEveryFileUnder(const std::string& folder) {
  namespace fs = std::filesystem;
  auto fsync = [](const fs::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    return synced;
  };
  bool synced = fsync(folder, O_RDONLY | O_DIRECTORY);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    synced &= fsync(entry.path(), entry.is_directory() ? O_RDONLY | O_DIRECTORY : O_RDONLY);
  return synced;
}

bool PutOnDisk(Flush flush, const std::string& folder) {
  switch (flush) {
    case Flush::SyncFileSystem: return platform::SyncFileSystem(folder);
    case Flush::FsyncEachFile: return FsyncEveryFileUnder(folder);
    case Flush::None: break;
  }
  return true;
}

// Into an empty HTML folder each time, as at the first start.
void AllChapterPages(benchmark::State& state, Flush flush) {
  engine::TixoEngine* engine = bench::LoadedEngine(state);
  if (!engine) return;
  const std::string htmlDir = engine->HtmlDir;
  int run = 0;
  for (auto _ : state) {
    if (flush != Flush::None) {
      // What earlier runs left to be written is not this run's to flush.
      state.PauseTiming();
      platform::SyncFileSystem(htmlDir);
      state.ResumeTiming();
    }
    engine->HtmlDir = htmlDir + "run" + std::to_string(++run) + "/";
    for (int book = 1; book <= engine::TixoEngine::Books; ++book)
      if (!publish::WriteChapterHtml(book, 0)) return state.SkipWithError("a page could not be written");
    if (!PutOnDisk(flush, engine->HtmlDir)) return state.SkipWithError("the pages could not be put on the disk");
  }
  engine->HtmlDir = htmlDir;
}
BENCHMARK_CAPTURE(AllChapterPages, Unsynced, Flush::None)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AllChapterPages, SyncFileSystem, Flush::SyncFileSystem)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AllChapterPages, FsyncEachFile, Flush::FsyncEachFile)->Unit(benchmark::kMillisecond);

void StyleSheetOfATwoWordSearch(benchmark::State& state) {
  if (!bench::LoadedEngine(state)) return;
  const TwoWords search;
  for (auto _ : state)
    if (!publish::WriteStyleSheet(&search)) return state.SkipWithError("the style sheet could not be written");
}
BENCHMARK(StyleSheetOfATwoWordSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
