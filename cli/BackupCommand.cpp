#include "cli/BackupCommand.h"

#include "app/Backup.h"
#include "cli/CliOutput.h"
#include "cli/Options.h"
#include "platform/archive/TarXz.h"

#include <optional>
#include <ostream>

namespace tallyrin {
namespace {


std::optional<CliOptions> parse(const std::vector<std::string>& args, std::string& problem)
{
    return readChecked(args, CliForm::Backup, problem, [](const CliOptions& a) -> std::string {
        if (a.backup.empty() == a.restore.empty())
            return "give either --backup FILE or --restore FILE";
        if (!a.backup.empty() && (a.yes || a.exact))
            return "--yes and --exact go with --restore";
        return "";
    });
}

} // namespace

int runBackup(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string problem;
    const auto a = parse(args, problem);
    if (!a)
        return badArguments(problem, CliForm::Backup, err);
    if (!std::filesystem::is_directory(a->folder)) {
        err << "tallyrin-calc: the working folder " << a->folder << " is not there\n";
        return 1;
    }
    if (!a->backup.empty()) {
        const BackupResult made = writeBackup(a->folder, a->backup, writeTarXz);
        if (made.outcome.failed()) {
            err << "tallyrin-calc: " << plainLines(made.outcome.message()) << '\n';
            return 1;
        }
        out << "Backed up " << made.files << " files into " << a->backup << '\n';
        return 0;
    }

    // The whole archive is read and checked before anything is written.
    const RestorePlan plan = planRestore(a->folder, readTarXz(a->restore), a->exact);
    if (!plan.problem.empty()) {
        err << "tallyrin-calc: " << a->restore << " cannot be restored: " << plan.problem << "; nothing was written\n";
        return 1;
    }
    out << describeRestore(plan);
    if (!plan.changes()) {
        out << "The folder already holds what the backup holds; nothing was written.\n";
        return 0;
    }
    if (!a->yes) {
        err << "tallyrin-calc: nothing was restored; run again with --yes to restore\n";
        return 1;
    }
    const RestoreResult restored = applyRestore(a->folder, plan, writeTarXz);
    for (const FileOutcome& outcome : restored.outcomes)
        if (outcome.failed())
            err << "tallyrin-calc: " << plainLines(outcome.message()) << '\n';
    if (!restored.backup.empty())
        out << "The folder as it was is backed up in " << restored.backup.string() << '\n';
    if (!restored.done) {
        err << "tallyrin-calc: " << restored.problem << '\n';
        return 1;
    }
    out << "Restored from " << a->restore << '\n';
    return 0;
}

} // namespace tallyrin
