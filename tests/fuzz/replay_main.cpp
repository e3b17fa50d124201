// Runs a fuzz target's kept inputs once each, and an empty input, without
// libFuzzer: the test suite replays the corpora in its sanitizer build, from
// the libraries it has already compiled. A fault aborts (the sanitizers, or
// the target's own checks); "make fuzz" is where new inputs are searched for.
//   replay_<target> DIR|FILE...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

// libFuzzer never passes a null pointer, not even for an empty input.
std::uint8_t empty[1];

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path &place)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(place)) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(place))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    } else {
        files.push_back(place);
    }
    // The same order in every run, so a failure names the same input.
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIR|FILE...\n", argv[0]);
        return 2;
    }
    LLVMFuzzerTestOneInput(empty, 0);
    std::size_t runs = 1;
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::filesystem::path> files = inputsIn(argv[i]);
        if (files.empty()) {
            std::fprintf(stderr, "%s: no inputs\n", argv[i]);
            return 1;
        }
        for (const std::filesystem::path &file : files) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::fprintf(stderr, "%s: cannot read\n", file.c_str());
                return 1;
            }
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            // A copy of exactly the input's size, so that reading past its
            // end is an overflow the sanitizer reports, as under libFuzzer.
            std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
            LLVMFuzzerTestOneInput(data.empty() ? empty : data.data(), data.size());
            ++runs;
        }
    }
    std::printf("%zu inputs replayed (and an empty one)\n", runs - 1);
    return 0;
}
