// Replays a fuzz target's corpus without libFuzzer: every file of the folders given is fed to
// LLVMFuzzerTestOneInput once, in name order. A broken rule aborts the program, so the test
// that runs it fails and names the input it was given last.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size);
// Defined by the targets that prepare something once.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    // Found before the target prepares itself: some change the working folder.
    std::vector<std::filesystem::path> folders;
    for (int i = 1; i < argc; ++i) folders.push_back(std::filesystem::absolute(argv[i]));
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> inputs;
    for (const auto& folder : folders) {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        std::fprintf(stderr, "replaying %s\n", input.c_str());
        std::ifstream file(input, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs replayed\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
