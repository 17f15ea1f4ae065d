#include "platform/archive/TarXz.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <set>

namespace tallyrin {
namespace {

struct WriterDeleter
{
    void operator()(archive* a) const { archive_write_free(a); }
};
struct ReaderDeleter
{
    void operator()(archive* a) const { archive_read_free(a); }
};
struct EntryDeleter
{
    void operator()(archive_entry* e) const { archive_entry_free(e); }
};

std::string reason(archive* a, const char* what)
{
    const char* text = archive_error_string(a);
    return std::string(what) + (text ? std::string(": ") + text : std::string());
}

bool plainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

} // namespace

std::optional<std::string> writeTarXz(const std::filesystem::path& path, const std::vector<ArchiveEntry>& entries)
{
    std::unique_ptr<archive, WriterDeleter> out(archive_write_new());
    // xz's lightest level: a folder of small text files packs well at any level, and a payday takes
    // a backup first, so the time and memory a heavier level costs would be paid at every payday.
    if (!out || archive_write_set_format_pax_restricted(out.get()) != ARCHIVE_OK ||
        archive_write_add_filter_xz(out.get()) != ARCHIVE_OK ||
        archive_write_set_filter_option(out.get(), "xz", "compression-level", "1") != ARCHIVE_OK)
        return reason(out.get(), "the archive cannot be made");
    if (archive_write_open_filename(out.get(), path.c_str()) != ARCHIVE_OK)
        return reason(out.get(), "cannot open");
    for (const ArchiveEntry& e : entries) {
        std::unique_ptr<archive_entry, EntryDeleter> entry(archive_entry_new());
        archive_entry_set_pathname(entry.get(), e.name.c_str());
        archive_entry_set_size(entry.get(), static_cast<la_int64_t>(e.bytes.size()));
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0600);
        archive_entry_set_mtime(entry.get(), static_cast<time_t>(e.mtime), 0);
        if (archive_write_header(out.get(), entry.get()) != ARCHIVE_OK)
            return reason(out.get(), "cannot write");
        if (!e.bytes.empty() &&
            archive_write_data(out.get(), e.bytes.data(), e.bytes.size()) != static_cast<la_ssize_t>(e.bytes.size()))
            return reason(out.get(), "cannot write");
    }
    if (archive_write_close(out.get()) != ARCHIVE_OK)
        return reason(out.get(), "cannot write");
    return std::nullopt;
}

ArchiveReading readTarXz(const std::filesystem::path& path)
{
    ArchiveReading result;
    const auto refuse = [&](std::string why) {
        result.entries.clear();
        result.problem = std::move(why);
        return result;
    };
    std::unique_ptr<archive, ReaderDeleter> in(archive_read_new());
    if (!in || archive_read_support_filter_xz(in.get()) != ARCHIVE_OK ||
        archive_read_support_format_tar(in.get()) != ARCHIVE_OK)
        return refuse("the archive cannot be read here");
    if (archive_read_open_filename(in.get(), path.c_str(), 64 * 1024) != ARCHIVE_OK)
        return refuse(reason(in.get(), "it is not a .tar.xz backup"));
    std::set<std::string> names;
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(in.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status != ARCHIVE_OK)
            return refuse(reason(in.get(), "it is damaged or not a .tar.xz backup"));
        if (archive_filter_code(in.get(), 0) != ARCHIVE_FILTER_XZ)
            return refuse("it is not compressed with xz (.tar.xz)");
        const char* rawName = archive_entry_pathname(entry);
        const std::string name = rawName ? rawName : "";
        if (result.entries.size() >= kMostArchiveEntries)
            return refuse("it holds more than " + std::to_string(kMostArchiveEntries) + " entries");
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) || archive_entry_symlink(entry))
            return refuse("its entry \"" + name + "\" is not a plain file (a link, a device, a pipe or a folder)");
        if (!plainName(name))
            return refuse("its entry \"" + name + "\" does not name a file of the working folder itself");
        if (!names.insert(name).second)
            return refuse("its entry \"" + name + "\" is there twice");
        const la_int64_t size = archive_entry_size(entry);
        if (size < 0 || static_cast<uint64_t>(size) > kLargestArchiveEntry)
            return refuse("its entry \"" + name + "\" is larger than 10 MB");
        ArchiveEntry e;
        e.name = name;
        e.mtime = static_cast<int64_t>(archive_entry_mtime(entry));
        e.bytes.resize(static_cast<size_t>(size));
        size_t got = 0;
        while (got < e.bytes.size()) {
            const la_ssize_t n = archive_read_data(in.get(), e.bytes.data() + got, e.bytes.size() - got);
            if (n <= 0)
                return refuse(reason(in.get(), "it is damaged or cut short"));
            got += static_cast<size_t>(n);
        }
        result.entries.push_back(std::move(e));
    }
    if (archive_filter_code(in.get(), 0) != ARCHIVE_FILTER_XZ)
        return refuse("it is not compressed with xz (.tar.xz)");
    return result;
}

} // namespace tallyrin
