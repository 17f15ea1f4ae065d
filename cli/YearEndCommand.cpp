#include "cli/YearEndCommand.h"

#include "cli/CliOutput.h"
#include "cli/Options.h"
#include "text/FileStore.h"
#include "yearend/Efw2File.h"
#include "yearend/W2Prints.h"

#include <ostream>

namespace tallyrin {
namespace {


std::optional<CliOptions> parse(const std::vector<std::string>& args, std::string& problem)
{
    return readChecked(args, CliForm::YearEnd, problem, [](const CliOptions& a) -> std::string {
        if (a.w2 == !a.efw2.empty())
            return "give either --w2 --out FILE or --efw2 FILE";
        if (a.w2 && a.out.empty())
            return "--w2 needs --out FILE";
        if (!a.w2 && !a.out.empty())
            return "--out goes with --w2";
        return "";
    });
}

} // namespace

int runYearEnd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const PdfWriter& pdf)
{
    std::string problem;
    const auto a = parse(args, problem);
    if (!a)
        return badArguments(problem, CliForm::YearEnd, err);
    if (!workingFolderFound(a->folder, err))
        return 1;
    const YearEnd year = readYearEnd(a->folder);
    std::vector<std::string> problems = year.problems;
    if (!a->w2)
        problems.insert(problems.end(), year.filingProblems.begin(), year.filingProblems.end());
    if (!problems.empty()) {
        err << "tallyrin-calc: " << (a->w2 ? "the W-2s were" : "the W-2 file was") << " not written; first put right:\n";
        for (const std::string& p : problems)
            err << "  " << p << '\n';
        return 1;
    }
    for (const std::string& w : year.warnings)
        err << "tallyrin-calc: warning: " << w << '\n';
    if (a->w2) {
        PrintDocument document;
        PrintW2s(document, year);
        if (!writePrint(document, a->out, pdf, err))
            return 1;
        out << "W-2s of " << year.forms.size() << " employees and the W-3 written to " << a->out << '\n';
    } else {
        const FileOutcome saved = writeOutputFile(a->efw2, efw2File(year));
        if (saved.failed()) {
            err << "tallyrin-calc: " << plainLines(saved.message()) << '\n';
            return 1;
        }
        out << "The W-2 file of " << year.forms.size() << " employees written to " << a->efw2 << '\n';
    }
    for (const std::string& user : year.selfEmployed)
        out << user << " is self-employed: no W-2\n";
    return 0;
}

} // namespace tallyrin
