// Reading the compiled help file: its pages and pictures by path, its default topic and its table
// of contents, through chmlib.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct chmFile;

namespace tallyrin {

// The name of the help file in the working folder.
inline constexpr const char* helpFileName = "Tly2k.chm";

// One line of the help file's table of contents; `depth` 0 is the outer level.
struct ContentsEntry
{
    std::string name;
    std::string local; // the page, as the contents file names it ("payperiod.html")
    int depth = 0;
};

class ChmArchive
{
public:
    // nullptr when the file is missing or is not a compiled help file.
    static std::unique_ptr<ChmArchive> open(const std::filesystem::path& file);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // The whole object at `path` ("/index.html"; a path without the leading slash is taken from
    // the root); nullopt when the archive has no such object or it cannot be read.
    std::optional<std::string> read(std::string_view path) const;

    // The page the help opens at, as an archive path: the default topic the compiler recorded in
    // the #SYSTEM object, else "/index.html".
    const std::string& defaultTopic() const { return m_defaultTopic; }
    // The help file's title from #SYSTEM; empty when it has none.
    const std::string& title() const { return m_title; }
    // The table of contents named in #SYSTEM (or "/toc.hhc"); empty when there is none.
    std::vector<ContentsEntry> contents() const;
    // The keywords of the index file named in #SYSTEM, each with its page; empty without one.
    std::vector<ContentsEntry> index() const;
    // The topics of the contents whose page text holds every one of `words` (any case): those
    // holding them side by side first, then by how often they name them.
    std::vector<ContentsEntry> findTopics(std::string_view words) const;

private:
    explicit ChmArchive(chmFile* file);
    void readSystemObject();

    chmFile* m_file;
    std::string m_defaultTopic = "/index.html";
    std::string m_title;
    std::string m_contentsFile;
    std::string m_indexFile;
};

// "/" + path unless it starts with one already; "\" separators become "/".
std::string archivePath(std::string_view path);

// The entries of a contents (sitemap) file: each <object type="text/sitemap"> with its "Name" and
// "Local" parameters, nested by its <ul> level.
std::vector<ContentsEntry> parseContents(std::string_view sitemap);

// The words of a page: its text without tags, entities decoded.
std::string pageText(std::string_view html);

// The operator's messages when the help cannot be shown.
std::string helpFileMissingMessage(const std::filesystem::path& folder);
std::string helpFileUnreadableMessage(const std::filesystem::path& folder);

} // namespace tallyrin
