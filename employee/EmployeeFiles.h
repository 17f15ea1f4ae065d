// Where the open employee's files are: the working folder and the user name. Every file of the
// employee is "<working folder>/<user name><extension>"; an empty user name names the default
// files of "Make Default" (".sta", ".cti" ...).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrin {

// A typed user name must name a file in the working folder, nowhere else. The message to show
// when it cannot; nullopt when it can.
inline constexpr size_t kLongestUserName = 200;
std::optional<std::string> refusedUserName(const std::string& name);

class EmployeeFiles
{
public:
    explicit EmployeeFiles(std::filesystem::path folder = {}, std::string userName = {})
        : m_folder(std::move(folder))
        , m_userName(std::move(userName))
    {
    }

    const std::filesystem::path& folder() const { return m_folder; }
    const std::string& userName() const { return m_userName; }
    void setFolder(std::filesystem::path folder) { m_folder = std::move(folder); }
    void setUserName(std::string userName) { m_userName = std::move(userName); }

    // "<working folder>/<user name><extension>"
    std::filesystem::path path(std::string_view extension) const { return pathFor(m_userName, extension); }
    // The same file of another user name (a save under the name typed on the save screen).
    std::filesystem::path pathFor(const std::string& userName, std::string_view extension) const
    {
        return m_folder / (userName + std::string(extension));
    }

private:
    std::filesystem::path m_folder;
    std::string m_userName;
};

} // namespace tallyrin
