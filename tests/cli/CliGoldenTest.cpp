// The command line played against recorded cases. Each folder of tests/golden/cli holds:
//   args      the arguments, one per line; "{work}" is the working folder, "{root}" the folder
//             above it
//   files/    the starting contents of {root} ("files/work/..." is the working folder); the
//             shipped federal tables are put into {work} first unless the case brings its own
//   omit      optional: file names removed from {work} before the run
//   stdout, stderr, status   what the run must print and return (with "{work}" and "{root}")
//   after     optional: every file under {root} after the run, one relative path a line
//   keeps     optional: files under {root} whose bytes the run must leave as files/ gave them
// TALLYRIN_UPDATE_GOLDEN=1 rewrites stdout, stderr, status and after from the run.
#include "cli/CalcCommand.h"

#include "support/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace tallyrin {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(GOLDEN_DIR) / "cli";

std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void spill(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            out.push_back(line);
    return out;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

std::string listing(const fs::path& root)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (!entry.is_directory())
            names.push_back(fs::relative(entry.path(), root).generic_string());
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& name : names)
        out += name + "\n";
    return out;
}

class CliGoldenTest : public ::testing::TestWithParam<std::string>
{
};

// The time in the names of automatic backups ("Tallyrin-20091231-235959-payday") as "{stamp}".
std::string stamped(const std::string& text)
{
    static const std::regex stamp("Tallyrin-[0-9]{8}-[0-9]{6}-");
    return std::regex_replace(text, stamp, "Tallyrin-{stamp}-");
}

TEST_P(CliGoldenTest, Plays)
{
    const fs::path dir = kCases / GetParam();
    TempFolder root;
    const fs::path work = root / "work";
    fs::create_directories(work);
    for (const char* table : {"Federal09.dtt", "Federal09_jan.dtt"})
        fs::copy_file(fs::path(SHIPPED_DATA_DIR) / table, work / table);
    if (fs::exists(dir / "files"))
        fs::copy(dir / "files", root.path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const auto& name : lines(slurp(dir / "omit")))
        fs::remove(work / name);
    // A working folder as the program makes it: its owner's alone.
    fs::permissions(work, fs::perms::owner_all, fs::perm_options::replace);

    std::vector<std::string> args;
    for (const auto& line : lines(slurp(dir / "args")))
        args.push_back(replaceAll(replaceAll(line, "{work}", work.string()), "{root}", root.path().string()));
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    auto placeholders = [&](const std::string& text) {
        return stamped(replaceAll(replaceAll(text, work.string(), "{work}"), root.path().string(), "{root}"));
    };
    const std::string stdoutText = placeholders(out.str());
    const std::string stderrText = placeholders(err.str());

    if (std::getenv("TALLYRIN_UPDATE_GOLDEN")) {
        spill(dir / "stdout", stdoutText);
        spill(dir / "stderr", stderrText);
        spill(dir / "status", std::to_string(status) + "\n");
        if (fs::exists(dir / "after"))
            spill(dir / "after", stamped(listing(root.path())));
        return;
    }
    EXPECT_EQ(stdoutText, slurp(dir / "stdout"));
    EXPECT_EQ(stderrText, slurp(dir / "stderr"));
    EXPECT_EQ(std::to_string(status) + "\n", slurp(dir / "status"));
    if (fs::exists(dir / "after")) {
        EXPECT_EQ(stamped(listing(root.path())), slurp(dir / "after"));
    }
    for (const auto& kept : lines(slurp(dir / "keeps")))
        EXPECT_EQ(slurp(root / kept), slurp(dir / "files" / kept)) << kept;
}

std::vector<std::string> caseNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases))
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Cases, CliGoldenTest, ::testing::ValuesIn(caseNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace tallyrin
