// A scripted operator for tests: answers come from queues filled by the test, every message and
// question shown is logged, and a question without a scripted answer fails the test.
#pragma once

#include "text/Operator.h"

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tallyrin {

class ScriptedDialogs : public Operator
{
public:
    struct Shown
    {
        std::string kind; // "message", "yesno", "input", "file", "printer"
        std::string title;
        std::string text;
        Icon icon = Icon::None;
    };

    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<bool> printerAnswers;
    std::vector<Shown> log;

    void message(const std::string& text, Icon icon, const std::string& title) override
    {
        log.push_back({"message", title, text, icon});
    }
    bool askYesNo(const std::string& title, const std::string& text) override
    {
        log.push_back({"yesno", title, text, Icon::Question});
        return take(yesNoAnswers, "yes/no question: " + text);
    }
    std::optional<std::string> inputText(const std::string& title, const std::string& prompt) override
    {
        log.push_back({"input", title, prompt, Icon::None});
        return take(inputAnswers, "input box: " + prompt);
    }
    std::filesystem::path chooserFolder; // where the program asked the next chooser to open
    void openChooserIn(const std::filesystem::path& folder) override { chooserFolder = folder; }
    std::optional<std::string> chooseOpenFile(const std::string& filter) override
    {
        log.push_back({"file", {}, filter, Icon::None});
        return take(fileAnswers, "file chooser: " + filter);
    }
    bool choosePrinter(const std::string& documentName) override
    {
        log.push_back({"printer", {}, documentName, Icon::None});
        return take(printerAnswers, "printer chooser");
    }

    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& s : log)
            if (s.kind == "message")
                out.push_back(s.text);
        return out;
    }

private:
    template <typename Q>
    static typename Q::value_type take(Q& queue, const std::string& what)
    {
        if (queue.empty())
            throw std::logic_error("no scripted answer for " + what);
        auto answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

} // namespace tallyrin
