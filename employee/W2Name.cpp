#include "employee/W2Name.h"

#include "records/EmployeeProfile.h"
#include "employee/EmployerFacts.h"
#include "text/FileStore.h"
#include "text/SettingsFormat.h"
#include "text/Trim.h"
#include "text/Words.h"

#include <algorithm>
#include <cctype>

namespace tallyrin {
namespace {



std::string joined(const std::vector<std::string>& words, size_t from, size_t to)
{
    std::string text;
    for (size_t i = from; i < to; ++i)
        text += (text.empty() ? "" : " ") + words[i];
    return text;
}

// "JR", "Jr.", "iii": the suffix without its point, upper case; "" when the word is none.
std::string suffixOf(const std::string& word)
{
    std::string bare = upperCase(word);
    bare.erase(std::remove(bare.begin(), bare.end(), '.'), bare.end());
    for (const char* s : {"JR", "SR", "II", "III", "IV", "V"})
        if (bare == s)
            return bare;
    return "";
}

bool nameLetters(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == '-' || c == '\'' || c == ' ';
    });
}

// Upper case, points dropped.
std::string namePart(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
    return upperCase(std::string(trimmed(text)));
}

std::vector<std::string> commaParts(const std::string& text)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : text + ",") {
        if (c == ',') {
            parts.emplace_back(trimmed(part));
            part.clear();
        } else {
            part += c;
        }
    }
    return parts;
}

} // namespace

std::string writeW2NameFile(const W2Name& name)
{
    return settingsText([&](SettingsWriter& w) { w2NameItems(w, name); });
}

std::optional<ReadFault> readW2NameFile(const std::string& content, W2Name& name)
{
    return readWholeSettingsText(content, 2, [&](SettingsReader& r) { w2NameItems(r, name); });
}

FileOutcome loadW2NameFile(const std::filesystem::path& path, std::optional<W2Name>& name)
{
    W2Name read = name.value_or(W2Name{});
    FileOutcome outcome =
        loadSettingsFile(path, FileMessageStyle::Profile, [&](SettingsReader& r) { w2NameItems(r, read); });
    if (outcome.found())
        name = read;
    return outcome;
}

FileOutcome saveW2NameFile(const std::filesystem::path& path, const W2Name& name)
{
    return saveSettingsFile(path, FileMessageStyle::Profile, [&](SettingsWriter& w) { w2NameItems(w, name); });
}

std::optional<PersonName> splitPersonName(const std::string& fullName)
{
    const std::string text(trimmed(fullName));
    if (text.empty() || text == EmployeeProfile{}.EmpName)
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) {
            return std::isalpha(static_cast<unsigned char>(c)) || c == '-' || c == '\'' || c == '.' || c == ' ' ||
                   c == ',';
        }))
        return std::nullopt;

    std::vector<std::string> parts = commaParts(text);
    PersonName name;
    if (parts.size() > 1 && !suffixOf(parts.back()).empty()) {
        name.suffix = suffixOf(parts.back());
        parts.pop_back();
    }
    std::vector<std::string> words;
    if (parts.size() == 1) {
        words = wordsOf(parts[0]);
    } else if (parts.size() == 2 && !parts[0].empty()) {
        // "Poe, Sam A.": the last name first.
        words = wordsOf(parts[1]);
        words.push_back(parts[0]);
    } else {
        return std::nullopt;
    }
    if (name.suffix.empty() && words.size() >= 3 && !suffixOf(words.back()).empty()) {
        name.suffix = suffixOf(words.back());
        words.pop_back();
    }
    if (words.size() < 2)
        return std::nullopt;
    name.first = namePart(words.front());
    name.middle = namePart(joined(words, 1, words.size() - 1));
    name.last = namePart(words.back());
    if (name.first.empty() || name.last.empty() || name.first.size() > 15 || name.middle.size() > 15 ||
        name.last.size() > 20)
        return std::nullopt;
    return name;
}

W2Name w2NameOf(const EmployeeProfile& profile, const std::optional<W2Name>& kept, std::vector<std::string>& problems,
                std::vector<std::string>& notes)
{
    if (kept) {
        W2Name name = *kept;
        for (std::string* t : {&name.First, &name.Middle, &name.Last, &name.Suffix})
            *t = namePart(*t);
        for (std::string* t : {&name.Street, &name.City, &name.State, &name.Zip})
            *t = upperCase(std::string(trimmed(*t)));
        for (const std::string& p : w2NameProblems(name))
            problems.push_back("the W-2 name file: " + p);
        return name;
    }
    W2Name name;
    if (const auto split = splitPersonName(profile.EmpName)) {
        name.First = split->first, name.Middle = split->middle, name.Last = split->last, name.Suffix = split->suffix;
    } else {
        problems.push_back("the name \"" + profile.EmpName +
                           "\" cannot be split into first and last name; give it with the W-2 name button");
    }
    const std::string street(trimmed(profile.EmpAddress));
    const auto place = readCityStateZip(profile.EmpCityStateZip);
    if (street.empty() || street == EmployeeProfile{}.EmpAddress || !place) {
        notes.push_back("the address \"" + profile.EmpAddress + "\" / \"" + profile.EmpCityStateZip +
                        "\" cannot be read as street, city, state and ZIP; the W-2 file leaves it blank");
        return name;
    }
    name.Street = upperCase(street);
    name.City = upperCase(place->city);
    name.State = place->state;
    name.Zip = place->zip;
    return name;
}

std::vector<std::string> w2NameProblems(const W2Name& n)
{
    std::vector<std::string> problems;
    const auto part = [&](const std::string& text, const char* what, size_t longest, bool needed) {
        const std::string bare = namePart(text);
        if (needed && bare.empty())
            problems.push_back(std::string("the ") + what + " is empty");
        else if (bare.size() > longest)
            problems.push_back(std::string("the ") + what + " \"" + text + "\" is longer than " +
                               std::to_string(longest) + " letters");
        else if (!nameLetters(bare))
            problems.push_back(std::string("the ") + what + " \"" + text +
                               "\" holds more than letters, hyphens and apostrophes");
    };
    part(n.First, "first name", 15, true);
    part(n.Middle, "middle name", 15, false);
    part(n.Last, "last name", 20, true);
    if (!n.Suffix.empty() && suffixOf(n.Suffix).empty())
        problems.push_back("the suffix \"" + n.Suffix + "\" is not JR, SR, II, III, IV or V");
    if (!n.State.empty() && !isStateCode(n.State))
        problems.push_back("the state \"" + n.State + "\" is not two letters");
    if (!n.Zip.empty() && !isZipCode(n.Zip))
        problems.push_back("the ZIP code \"" + n.Zip + "\" is not five digits or ZIP+4 (NNNNN-NNNN)");
    return problems;
}

} // namespace tallyrin
