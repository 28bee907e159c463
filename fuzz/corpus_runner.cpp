// Runs a fuzz target once on every file of a corpus directory, so that the
// seed corpus (and every input a fuzzer run once tripped over) stays a
// regression test in builds without libFuzzer. A broken property aborts inside
// the target; an empty or missing corpus fails, so the test cannot pass by
// running nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIRECTORY\n", argv[0]);
    return 2;
  }
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1], error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  if (error || files.empty()) {
    std::fprintf(stderr, "no corpus files in %s\n", argv[1]);
    return 1;
  }
  std::sort(files.begin(), files.end());

  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) {
      std::fprintf(stderr, "cannot read %s\n", file.c_str());
      return 1;
    }
    std::printf("%s (%zu bytes)\n", file.filename().c_str(), bytes.size());
    std::fflush(stdout);  // the last name printed is the input that aborted
    // Copied to a buffer of its exact size, as libFuzzer hands it over, so that
    // AddressSanitizer sees a read past the end.
    std::vector<uint8_t> input(bytes.begin(), bytes.end());
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  std::printf("%zu inputs passed\n", files.size());
  return 0;
}
