// Everything the program asks of or tells the operator goes through this interface, so that the
// core never blocks on a window and tests can script the answers.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tallyrin {

enum class Icon
{
    None,
    Information,
    Exclamation,
    Critical,
    Question,
};

class Operator
{
public:
    virtual ~Operator() = default;

    // Modal message box with an OK button. Lines are joined by "\r\n" as the system writes them.
    virtual void message(const std::string& text, Icon icon = Icon::None, const std::string& title = {}) = 0;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // Input box; nullopt on Cancel (an empty answer given with OK is an empty string).
    virtual std::optional<std::string> inputText(const std::string& title, const std::string& prompt) = 0;
    // File chooser; `filter` in the system's form "Saved Files (*.use)|*.use". nullopt on Cancel.
    virtual std::optional<std::string> chooseOpenFile(const std::string& filter) = 0;
    // Where the next file chooser opens (the working folder for employees and saved periods); an
    // operator without a chooser of its own ignores it.
    virtual void openChooserIn(const std::filesystem::path& folder) { (void)folder; }
    // Printer chooser; false on Cancel.
    virtual bool choosePrinter(const std::string& documentName) = 0;
};

} // namespace tallyrin
