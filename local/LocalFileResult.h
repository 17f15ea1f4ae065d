// What loading or saving a local-tax settings file came to, with the system's message for the
// operator when it failed. The callers show the message; the files never talk to the operator.
#pragma once

#include <string>
#include <string_view>

namespace tallyrin {

struct LocalFileResult
{
    enum class Status
    {
        Done,
        Missing, // no file to read: nothing was read, and that is no error
        Failed,  // a corrupt file or a failed write; `message` says so
    };
    Status status = Status::Done;
    std::string message;

    bool failed() const { return status == Status::Failed; }
};

// The four lines shown for a settings file that cannot be read to its end.
inline std::string localCorruptFileMessage(std::string_view fileName)
{
    return "You have corupted a file.\r\nFind file,\r\n" + std::string(fileName) + "\r\nand delete it.";
}

inline constexpr std::string_view LocalWriteFailedMessage = "Check your numbers\r\nNo blanks\r\nOnly numbers";

} // namespace tallyrin
