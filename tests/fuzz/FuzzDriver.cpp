// The smoke driver of a harness: runs it once over every file of the folders
// (or files) named on the command line, in name order, so that the project's
// own test run checks each seed and reproducer without a fuzzer. A harness
// that crashes or breaks a property aborts; the driver then names the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& place) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_directory(place)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(place))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  } else {
    inputs.push_back(place);
  }
  std::ranges::sort(inputs);
  return inputs;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS-FOLDER-OR-FILE...\n", argv[0]);
    return 2;
  }
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  std::size_t runs = 0;
  for (int i = 1; i < argc; ++i) {
    if (!std::filesystem::exists(argv[i])) {
      std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
      return 2;
    }
    for (const std::filesystem::path& input : InputsOf(argv[i])) {
      std::fprintf(stderr, "running %s\n", input.c_str());
      const std::vector<std::uint8_t> bytes = ReadBytes(input);
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++runs;
    }
  }
  if (runs == 0) {
    std::fprintf(stderr, "the corpus holds no input\n");
    return 1;
  }
  std::fprintf(stderr, "%zu inputs ran\n", runs);
  return 0;
}
