// Runs a fuzz target over every file of its corpus folder, as an ordinary test built with the
// normal compiler: what the fuzzer once found stays found. A crash, a sanitizer report or an
// empty corpus fails it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(argv[1], error))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    if (inputs.empty()) {
        std::fprintf(stderr, "%s: no inputs to replay\n", argv[1]);
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        // Each input gets a buffer of exactly its size, so a read one byte past it is caught.
        auto exact = std::make_unique<uint8_t[]>(std::max<size_t>(bytes.size(), 1));
        std::copy(bytes.begin(), bytes.end(), exact.get());
        LLVMFuzzerTestOneInput(exact.get(), bytes.size());
    }
    std::printf("%s: %zu inputs replayed\n", argv[1], inputs.size());
    return 0;
}
