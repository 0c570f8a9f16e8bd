// The search beside an indexed search engine, in one run: the project's
// search of the edition in IXO_EDITION (or the built one), from the typed
// criteria to the hit list, and the SWORD library's search of Debian's KJV
// module through its Lucene index, in the same process and warm, for the same
// two queries. The index numbers lemmas with four digits (H0776, G0026), so
// the peer's queries are written so. At the end the ratio of each query
// (peer time / project time) is printed, with the verses each side found.
//
// The peer reads a library folder of its own, so that its index is not
// written into the system's module folder: IXO_SWORD_LIBRARY, else
// $XDG_CACHE_HOME/ixo/sword (~/.cache/ixo/sword). When the module has no
// index there, the run says how to build one and times the project alone.

#include <benchmark/benchmark.h>

#include <listkey.h>
#include <swmgr.h>
#include <swmodule.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BenchEngine.h"
#include "BenchSearch.h"
#include "search/ConditionSet.h"

namespace {

constexpr char Module[] = "engKJV2006eb";  // Debian's sword-text-kjv
constexpr char SystemLibrary[] = "/usr/share/sword/";
constexpr int LuceneSearch = -4;  // SWModule::search's search type

struct Query {
  std::string name;
  std::string criteria;  // as typed in the tool bar
  std::string lucene;    // the peer's query
};

const std::vector<Query> Queries{
    {"TwoWords", bench::TwoWords, "+love +world"},
    {"FiveTerms", bench::FiveTerms, "+God +heaven +earth +lemma:H8064 +lemma:H0776"},
};

std::string LibraryFolder() {
  if (const char* folder = std::getenv("IXO_SWORD_LIBRARY"); folder && *folder) return std::string(folder) + "/";
  if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache) return std::string(cache) + "/ixo/sword/";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.cache/ixo/sword/";
}

// The peer's library and module, kept for the whole run.
class Peer {
 public:
  Peer() : folder_(LibraryFolder()), manager_(folder_.c_str(), true, nullptr, false, false) {
    module_ = manager_.getModule(Module);
  }
  bool Indexed() {
    return module_ && module_->hasSearchFramework() &&
           module_->isSearchOptimallySupported("love", LuceneSearch, 0, nullptr);
  }
  // The verses the index finds.
  long Search(const std::string& query) { return module_->search(query.c_str(), LuceneSearch, 0).getCount(); }

  void SayHowToIndex() const {
    const std::string data = std::string(SystemLibrary) + "modules/texts/ztext/" + Module;
    std::fprintf(stderr,
                 "bench_peer: the module %s has no Lucene index in %s; the project's search is timed alone.\n"
                 "To build the index there (a few minutes), from Debian's libsword-utils:\n"
                 "  mkdir -p %smods.d %smodules/texts/ztext/%s\n"
                 "  cp %smods.d/%s.conf %smods.d/\n"
                 "  ln -sf %s/* %smodules/texts/ztext/%s/\n"
                 "  SWORD_PATH=%s mkfastmod %s\n"
                 "or set IXO_SWORD_LIBRARY to a library folder that holds one.\n",
                 Module, folder_.c_str(), folder_.c_str(), folder_.c_str(), Module, SystemLibrary, Module,
                 folder_.c_str(), data.c_str(), folder_.c_str(), Module, folder_.c_str(), Module);
  }

 private:
  std::string folder_;
  sword::SWMgr manager_;
  sword::SWModule* module_ = nullptr;
};

Peer& ThePeer() {
  static Peer peer;
  return peer;
}

void ProjectSearch(benchmark::State& state, const Query& query) {
  if (!bench::LoadedEngine(state)) return;
  search::ConditionSet conditions;
  int verses = 0;
  for (auto _ : state) {
    const search::SearchResult result = bench::SearchFor(conditions, query.criteria);
    verses = result.Verses;
    benchmark::DoNotOptimize(result);
  }
  state.counters["verses"] = verses;
}

void PeerSearch(benchmark::State& state, const Query& query) {
  Peer& peer = ThePeer();
  long verses = peer.Search(query.lucene);  // warm
  for (auto _ : state) verses = peer.Search(query.lucene);
  state.counters["verses"] = static_cast<double>(verses);
}

// Keeps the times and the verse count of each benchmark as they are
// reported; its time is the median of its repetitions (the median aggregate
// when only aggregates are reported).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type != Run::RT_Iteration && !median) continue;
      Seen& seen = seen_[run.run_name.function_name];
      if (median)
        seen.median = run.GetAdjustedRealTime();
      else
        seen.times.push_back(run.GetAdjustedRealTime());
      if (const auto verses = run.counters.find("verses"); verses != run.counters.end()) seen.verses = verses->second;
    }
  }

  void PrintRatios() const {
    std::printf("\n%-10s %14s %14s %10s %15s %12s\n", "query", "project (ms)", "peer (ms)", "peer/ours",
                "project verses", "peer verses");
    for (const Query& query : Queries) {
      const auto ours = seen_.find("ProjectSearch/" + query.name);
      if (ours == seen_.end()) continue;
      const auto theirs = seen_.find("PeerSearch/" + query.name);
      if (theirs == seen_.end()) {
        std::printf("%-10s %14.4f %14s %10s %15.0f %12s\n", query.name.c_str(), ours->second.Time(), "-", "-",
                    ours->second.verses, "-");
        continue;
      }
      std::printf("%-10s %14.4f %14.4f %10.2f %15.0f %12.0f\n", query.name.c_str(), ours->second.Time(),
                  theirs->second.Time(), theirs->second.Time() / ours->second.Time(), ours->second.verses,
                  theirs->second.verses);
    }
  }

 private:
  struct Seen {
    std::vector<double> times;
    std::optional<double> median;
    double verses = 0;

    double Time() const {
      if (median) return *median;
      if (times.empty()) return 0;
      std::vector<double> sorted = times;
      std::ranges::sort(sorted);
      const std::size_t half = sorted.size() / 2;
      return sorted.size() % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
    }
  };
  std::map<std::string, Seen> seen_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  const bool indexed = ThePeer().Indexed();
  if (!indexed) ThePeer().SayHowToIndex();
  for (const Query& query : Queries) {
    benchmark::RegisterBenchmark(("ProjectSearch/" + query.name).c_str(), ProjectSearch, query)
        ->Unit(benchmark::kMillisecond);
    if (indexed)
      benchmark::RegisterBenchmark(("PeerSearch/" + query.name).c_str(), PeerSearch, query)
          ->Unit(benchmark::kMillisecond);
  }

  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
