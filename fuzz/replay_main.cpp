// The fuzz targets without libFuzzer: each file named on the command line (a
// folder: every file in it, recursively) is given to the target once, as the
// fuzzer would give it. ctest replays the committed seed corpora this way.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

int Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
        return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given(argv[i]);
        if (std::filesystem::is_directory(given)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    failures += Replay(entry.path());
                    ++inputs;
                }
            }
        } else {
            failures += Replay(given);
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    // A corpus that has gone missing would pass unseen.
    return inputs == 0 || failures != 0 ? 1 : 0;
}
