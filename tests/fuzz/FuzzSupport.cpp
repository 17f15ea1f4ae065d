#include "FuzzSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace tallyrin::fuzz {

namespace {

std::string& currentInput()
{
    static std::string name;
    return name;
}

// Control characters shown as escapes, long texts cut, so a finding's message stays readable.
std::string shown(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size() && out.size() < 2000; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n')
            out += "\\n\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else
            out += static_cast<char>(c);
    }
    if (out.size() >= 2000)
        out += "...";
    return out;
}

std::vector<std::string_view> items(std::string_view text)
{
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',' || text[i] == '\r' || text[i] == '\n') {
            out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

// Both items are numbers at most two singles apart.
bool singleStep(std::string_view a, std::string_view b)
{
    const std::string x(a), y(b);
    char* endX = nullptr;
    char* endY = nullptr;
    const double dx = std::strtod(x.c_str(), &endX);
    const double dy = std::strtod(y.c_str(), &endY);
    if (x.empty() || y.empty() || *endX != '\0' || *endY != '\0')
        return false;
    float f = static_cast<float>(dx);
    const float target = static_cast<float>(dy);
    for (int step = 0; step < 2 && f != target; ++step)
        f = std::nextafter(f, target);
    return f == target || std::fabs(dx - dy) <= std::fabs(dx) * 1e-15;
}

// The texts differ only in number items that moved by a step of a single.
bool onlySingleSteps(std::string_view first, std::string_view second)
{
    const auto a = items(first);
    const auto b = items(second);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !singleStep(a[i], b[i]))
            return false;
    return true;
}

void removeScratch()
{
    std::error_code ec;
    std::filesystem::remove_all(scratchFolder(), ec);
}

} // namespace

void finding(std::string_view what, std::string_view first, std::string_view second)
{
    std::fprintf(stderr, "\nFINDING: %.*s\n", static_cast<int>(what.size()), what.data());
    if (!currentInput().empty())
        std::fprintf(stderr, "input: %s\n", currentInput().c_str());
    if (!first.empty() || !second.empty()) {
        std::fprintf(stderr, "--- first text:\n%s\n--- second text:\n%s\n", shown(first).c_str(),
                     shown(second).c_str());
    }
    std::fflush(stderr);
    std::abort();
}

void expectSameText(std::string_view what, const std::string& first,
                    const std::function<Rewritten(const std::string&)>& rewrite)
{
    const Rewritten second = rewrite(first);
    if (!second.fault.empty())
        finding(std::string(what) + ": the written text does not read again: " + second.fault, first);
    if (second.text == first)
        return;
    if (!onlySingleSteps(first, second.text))
        finding(std::string(what) + ": write, read, write gives another text", first, second.text);
    const Rewritten third = rewrite(second.text);
    if (!third.fault.empty() || third.text != second.text)
        finding(std::string(what) + ": write, read, write does not settle", second.text, third.text);
}

const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "tallyrin-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    static const bool cleanup = [] { return std::atexit(removeScratch) == 0; }();
    (void)cleanup;
    return folder;
}

void writeScratchFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        std::abort();
    }
}

void setCurrentInput(std::string name) { currentInput() = std::move(name); }

} // namespace tallyrin::fuzz
