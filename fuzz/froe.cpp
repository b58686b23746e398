// Runs a fuzz target on the files named on the command line, once each, as
// libFuzzer does when it replays a finding: the seeds become ordinary tests.
// A crash, a sanitizer report or the target's own abort fails the run.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        std::ifstream ind(argv[i], std::ios::binary);
        if (!ind) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(ind),
                                      std::istreambuf_iterator<char>()};
        // An empty file runs with a valid pointer of size zero, as libFuzzer does.
        static const uint8_t tom = 0;
        const auto* data = bytes.empty() ? &tom : reinterpret_cast<const uint8_t*>(bytes.data());
        LLVMFuzzerTestOneInput(data, bytes.size());
        std::printf("%s: ok\n", argv[i]);
    }
    return 0;
}
