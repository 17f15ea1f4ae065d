#include "platform/ChmHelp.h"

#include <algorithm>
#include <cctype>
#include <chm_lib.h>
#include <cstdint>

namespace tallyrin {

namespace {

// A help page larger than this is taken for a damaged file rather than read into memory.
constexpr LONGUINT64 largestObject = 64u * 1024u * 1024u;

// #SYSTEM record codes written by the help compiler.
enum SystemCode : unsigned
{
    ContentsFile = 0,
    IndexFile = 1,
    DefaultTopic = 2,
    Title = 3,
};

unsigned littleEndian16(const std::string& data, std::size_t pos)
{
    return static_cast<unsigned char>(data[pos]) | (static_cast<unsigned char>(data[pos + 1]) << 8);
}

// A #SYSTEM string runs to its terminating NUL or to the end of its record.
std::string recordText(const std::string& data, std::size_t pos, std::size_t length)
{
    std::string text = data.substr(pos, length);
    if (const auto nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string decodeEntities(std::string_view text)
{
    static constexpr std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}, {"&apos;", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, c] : entities) {
                if (lowered(text.substr(i, entity.size())) == entity) {
                    out += c;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

// The value of attribute `name` inside a tag's text (quoted with " or ', or bare).
std::string attribute(std::string_view tag, std::string_view name)
{
    const std::string lower = lowered(tag);
    std::size_t pos = 0;
    while ((pos = lower.find(name, pos)) != std::string::npos) {
        const bool startsWord = pos > 0 && std::isspace(static_cast<unsigned char>(lower[pos - 1]));
        std::size_t p = pos + name.size();
        while (p < tag.size() && std::isspace(static_cast<unsigned char>(tag[p])))
            ++p;
        if (!startsWord || p >= tag.size() || tag[p] != '=') {
            pos += name.size();
            continue;
        }
        ++p;
        while (p < tag.size() && std::isspace(static_cast<unsigned char>(tag[p])))
            ++p;
        if (p < tag.size() && (tag[p] == '"' || tag[p] == '\'')) {
            const char quote = tag[p];
            const std::size_t end = tag.find(quote, p + 1);
            return decodeEntities(tag.substr(p + 1, end == std::string_view::npos ? end : end - p - 1));
        }
        std::size_t end = p;
        while (end < tag.size() && !std::isspace(static_cast<unsigned char>(tag[end])) && tag[end] != '/')
            ++end;
        return decodeEntities(tag.substr(p, end - p));
    }
    return {};
}

} // namespace

std::string archivePath(std::string_view path)
{
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    if (out.empty() || out.front() != '/')
        out.insert(out.begin(), '/');
    return out;
}

std::unique_ptr<ChmArchive> ChmArchive::open(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return nullptr;
    chmFile* handle = chm_open(file.c_str());
    if (!handle)
        return nullptr;
    std::unique_ptr<ChmArchive> archive(new ChmArchive(handle));
    archive->readSystemObject();
    return archive;
}

ChmArchive::ChmArchive(chmFile* file)
    : m_file(file)
{
}

ChmArchive::~ChmArchive() { chm_close(m_file); }

std::optional<std::string> ChmArchive::read(std::string_view path) const
{
    const std::string objectPath = archivePath(path);
    chmUnitInfo info{};
    if (chm_resolve_object(m_file, objectPath.c_str(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (info.length > largestObject)
        return std::nullopt;
    std::string data(static_cast<std::size_t>(info.length), '\0');
    if (info.length == 0)
        return data;
    const LONGINT64 got = chm_retrieve_object(m_file, &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                                              static_cast<LONGINT64>(info.length));
    if (got != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return data;
}

// #SYSTEM: a four-byte version, then records of a 16-bit code, a 16-bit length and that many bytes.
void ChmArchive::readSystemObject()
{
    const auto data = read("/#SYSTEM");
    if (!data)
        return;
    std::size_t pos = 4;
    while (pos + 4 <= data->size()) {
        const unsigned code = littleEndian16(*data, pos);
        const std::size_t length = littleEndian16(*data, pos + 2);
        pos += 4;
        if (pos + length > data->size())
            break;
        const std::string text = recordText(*data, pos, length);
        if (!text.empty()) {
            if (code == DefaultTopic)
                m_defaultTopic = archivePath(text);
            else if (code == Title)
                m_title = text;
            else if (code == ContentsFile)
                m_contentsFile = archivePath(text);
            else if (code == IndexFile)
                m_indexFile = archivePath(text);
        }
        pos += length;
    }
}

std::vector<ContentsEntry> ChmArchive::contents() const
{
    const auto sitemap = read(m_contentsFile.empty() ? "/toc.hhc" : m_contentsFile);
    if (!sitemap)
        return {};
    return parseContents(*sitemap);
}

std::vector<ContentsEntry> ChmArchive::index() const
{
    if (m_indexFile.empty())
        return {};
    const auto sitemap = read(m_indexFile);
    if (!sitemap)
        return {};
    return parseContents(*sitemap);
}

std::vector<ContentsEntry> ChmArchive::findTopics(std::string_view words) const
{
    std::vector<std::string> wanted;
    std::string word;
    for (const char c : lowered(words) + ' ') {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!word.empty())
                wanted.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    std::vector<ContentsEntry> found;
    if (wanted.empty())
        return found;
    std::string phrase;
    for (const std::string& w : wanted)
        phrase += (phrase.empty() ? "" : " ") + w;
    std::vector<std::pair<int, ContentsEntry>> scored;
    std::vector<std::string> seen;
    for (const ContentsEntry& topic : contents()) {
        const std::string page = lowered(archivePath(topic.local));
        if (topic.local.empty() || std::find(seen.begin(), seen.end(), page) != seen.end())
            continue;
        seen.push_back(page);
        const auto html = read(page);
        if (!html)
            continue;
        // The page's words one space apart, so that a phrase is found across line ends.
        std::string text;
        for (const char c : lowered(pageText(*html))) {
            const bool blank = std::isspace(static_cast<unsigned char>(c));
            if (!blank)
                text += c;
            else if (!text.empty() && text.back() != ' ')
                text += ' ';
        }
        int score = 0;
        for (const std::string& w : wanted) {
            int times = 0;
            for (std::size_t at = text.find(w); at != std::string::npos; at = text.find(w, at + w.size()))
                ++times;
            if (times == 0) {
                score = -1;
                break;
            }
            score += times;
        }
        if (score < 0)
            continue;
        // The topics holding the words as typed, side by side, come first; then the most mentions.
        if (wanted.size() > 1 && text.find(phrase) != std::string::npos)
            score += 1000;
        scored.emplace_back(score, ContentsEntry{topic.name, topic.local, 0});
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& [score, entry] : scored)
        found.push_back(std::move(entry));
    return found;
}

std::string pageText(std::string_view html)
{
    std::string text;
    bool inTag = false;
    for (const char c : html) {
        if (c == '<') {
            inTag = true;
            text += ' '; // a tag ends a word
        } else if (c == '>') {
            inTag = false;
        } else if (!inTag) {
            text += c;
        }
    }
    std::string out = decodeEntities(text);
    for (std::size_t at = 0; (at = out.find("&nbsp;", at)) != std::string::npos;)
        out.replace(at, 6, " ");
    return out;
}

std::vector<ContentsEntry> parseContents(std::string_view sitemap)
{
    std::vector<ContentsEntry> entries;
    int depth = -1; // the first <ul> opens level 0
    bool inObject = false;
    ContentsEntry entry;
    std::size_t pos = 0;
    while ((pos = sitemap.find('<', pos)) != std::string_view::npos) {
        const std::size_t end = sitemap.find('>', pos);
        if (end == std::string_view::npos)
            break;
        const std::string_view tag = sitemap.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        std::size_t nameEnd = 0;
        while (nameEnd < tag.size() && !std::isspace(static_cast<unsigned char>(tag[nameEnd])) && tag[nameEnd] != '/')
            ++nameEnd;
        if (nameEnd == 0 && !tag.empty() && tag[0] == '/') {
            nameEnd = 1;
            while (nameEnd < tag.size() && std::isalpha(static_cast<unsigned char>(tag[nameEnd])))
                ++nameEnd;
        }
        const std::string name = lowered(tag.substr(0, nameEnd));
        if (name == "ul") {
            ++depth;
        } else if (name == "/ul") {
            depth = std::max(-1, depth - 1);
        } else if (name == "object") {
            inObject = lowered(attribute(tag, "type")) == "text/sitemap";
            entry = ContentsEntry{};
            entry.depth = std::max(0, depth);
        } else if (name == "param" && inObject) {
            const std::string param = lowered(attribute(tag, "name"));
            if (param == "name" && entry.name.empty())
                entry.name = attribute(tag, "value");
            else if (param == "local" && entry.local.empty())
                entry.local = attribute(tag, "value");
        } else if (name == "/object" && inObject) {
            inObject = false;
            if (!entry.name.empty())
                entries.push_back(entry);
        }
    }
    return entries;
}

std::string helpFileMissingMessage(const std::filesystem::path& folder)
{
    return std::string("The help file ") + helpFileName + " was not found in " + folder.string() + ".";
}

std::string helpFileUnreadableMessage(const std::filesystem::path& folder)
{
    return std::string("The help file ") + helpFileName + " in " + folder.string() + " could not be read.";
}

} // namespace tallyrin
