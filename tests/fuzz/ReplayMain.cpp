// Replays the regression corpus (and the seeds): every input kept under <corpus>/<target>/ goes
// through that target's entry function again. A target that finds a fault aborts with its message, which fails
// the test; an unknown folder fails it too, so no kept input is silently left out.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    using namespace tallyrin::fuzz;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER...\n", argv[0]);
        return 2;
    }
    int replayed = 0;
    int unknown = 0;
    std::vector<fs::path> folders;
    for (int i = 1; i < argc; ++i)
        for (const auto& entry : fs::directory_iterator(argv[i]))
            if (entry.is_directory())
                folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    for (const fs::path& folder : folders) {
        const std::string name = folder.filename().string();
        const auto target = std::find_if(std::begin(kTargets), std::end(kTargets),
                                         [&](const Target& t) { return t.name == name; });
        if (target == std::end(kTargets)) {
            std::fprintf(stderr, "no fuzz target is named %s\n", name.c_str());
            ++unknown;
            continue;
        }
        std::vector<fs::path> inputs;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().filename() != "README")
                inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
        for (const fs::path& input : inputs) {
            std::ifstream in(input, std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            setCurrentInput(input.string());
            target->entry(bytes.data(), bytes.size());
            ++replayed;
        }
        std::printf("%-40s %zu inputs\n", folder.string().c_str(), inputs.size());
    }
    std::printf("%d inputs replayed\n", replayed);
    return unknown == 0 ? 0 : 1;
}
