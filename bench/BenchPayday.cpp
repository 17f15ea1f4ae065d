// Payday at the scale of a real staff: 250, 1,000, 4,000 and 10,000 employees in one working folder
// that holds every employee's files and a ledger with rows. One `tallyrin-calc --payroll` run, with
// and without the ledger paste and both combined PDFs, with its peak memory, and against the same
// work done by separate command-line runs. The employees are made here, in a temporary folder.
#include "bench/BenchEmployee.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>

extern char** environ;

namespace {

using namespace tallyrin;
namespace fs = std::filesystem;


std::string employeeName(int i) { return "Emp" + std::to_string(100000 + i).substr(1); }

// Employee i's hours and amounts for the period, as the columns regular, regular2, ot, ot15,
// holiday, vacation, amount: spread as a real staff's are, so that hardly two pay slips carry
// the same figures.
std::string periodEntries(int i)
{
    const int quarters = 80 + (i * 7) % 101; // 20 to 45 regular hours, by quarters
    return std::to_string(quarters / 4) + "." + std::to_string(quarters % 4 * 25) + "," + std::to_string(i % 7) +
           "," + std::to_string(i % 3) + "," + std::to_string(i % 9) + ".5,,," + std::to_string((i * 37) % 400) + "." +
           std::to_string(10 + i % 90);
}

struct Run
{
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
};

// Runs the built command line with its output thrown away: whether it exited 0, how long it took
// and its peak memory.
Run spawnCalc(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    std::string program = TALLYRIN_CALC;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (auto& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Run run;
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

// One employee's files written as the save screen writes them, with three weeks in the ledger
// pasted by a payday run, copied under every other name (a save of each would spend minutes
// flushing files to disk), and the hours sheet: a working folder holding the whole staff, about
// nine files an employee.
void makeStaff(const fs::path& folder, int employees)
{
    bench::makeEmployee(folder, employeeName(0));
    for (int week = 1; week <= 3; ++week) {
        std::ofstream(folder / "first.csv") << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n"
                                            << employeeName(0) << ",40,,2,,,,,,0," << week << "\n";
        spawnCalc({"--folder", folder.string(), "--payroll", (folder / "first.csv").string(), "--date",
                   "01/0" + std::to_string(week + 1) + "/2009", "--paste"});
    }
    fs::remove(folder / "first.csv");
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().stem() == employeeName(0))
            files.push_back(entry.path());
    std::ofstream sheet(folder / "hours.csv");
    sheet << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n";
    for (int i = 0; i < employees; ++i) {
        for (const fs::path& file : files)
            if (i > 0)
                fs::copy_file(file, folder / (employeeName(i) + file.extension().string()));
        sheet << employeeName(i) << "," << periodEntries(i) << ",,0,4\n";
    }
}

// For each staff size: one payday run that calculates and saves everyone, one whole payday with the
// ledger paste and both combined PDFs, and (up to 1,000) the same work as separate command-line
// runs: one `--user ... --save` run per employee against the first, one single-row payday with the
// paste and both PDFs per employee against the second.
void BM_PaydayAtTheScaleOfTheStaff(benchmark::State& state)
{
    // To profile one run by hand: TALLYRIN_BENCH_STAFF=DIR:N builds the folder of N employees in
    // DIR (with hours.csv) and stops.
    if (const char* keep = std::getenv("TALLYRIN_BENCH_STAFF")) {
        const std::string spec = keep;
        const auto colon = spec.rfind(':');
        const fs::path folder = spec.substr(0, colon);
        fs::create_directories(folder);
        makeStaff(folder, colon == std::string::npos ? 1000 : std::stoi(spec.substr(colon + 1)));
        for (auto _ : state) {
        }
        return;
    }
    for (auto _ : state) {
        std::printf("%9s | %14s %7s %14s %7s | %14s %7s %14s %7s\n", "employees", "calc+save", "peak MB",
                    "separate runs", "ratio", "whole payday", "peak MB", "separate runs", "ratio");
        double perEmployee250 = 0;
        for (int employees : {250, 1000, 4000, 10000}) {
            const fs::path folder =
                fs::temp_directory_path() / ("tallyrin-payday-" + std::to_string(std::random_device{}()));
            fs::create_directories(folder);
            makeStaff(folder, employees);
            const std::string dir = folder.string();
            const std::string sheet = (folder / "hours.csv").string();
            const Run batch = spawnCalc({"--folder", dir, "--payroll", sheet, "--date", "01/23/2009"});
            const Run full = spawnCalc({"--folder", dir, "--payroll", sheet, "--date", "01/23/2009", "--paste",
                                        "--statements", dir + "/statements.pdf", "--checks", dir + "/checks.pdf"});
            // The backup of the whole folder alone (the whole payday above takes one first).
            const Run backup = spawnCalc({"--folder", dir, "--backup", dir + "/backup.tar.xz"});
            const double archiveKilobytes =
                backup.ok ? static_cast<double>(fs::file_size(folder / "backup.tar.xz")) / 1024 : 0;
            double separate = 0, separateFull = 0;
            bool separateOk = true;
            if (employees <= 1000) {
                const std::string one = (folder / "one.csv").string();
                for (int i = 0; i < employees; ++i) {
                    const std::string entries = periodEntries(i) + ",";
                    const Run save = spawnCalc(
                        {"--folder", dir, "--user", employeeName(i), "--entries", entries, "--save"});
                    // The next week, so that each single payday pastes and saves as the whole one did.
                    std::ofstream(one) << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n"
                                       << employeeName(i) << "," << periodEntries(i) << ",,0,5\n";
                    // Without the backup a pasting payday takes first: that copies the whole folder, so a
                    // payday a row would measure the backup a thousand times over.
                    const Run payday = spawnCalc({"--folder", dir, "--payroll", one, "--date", "01/30/2009", "--paste",
                                                  "--no-backup", "--statements", dir + "/one-statement.pdf",
                                                  "--checks", dir + "/one-check.pdf"});
                    separate += save.seconds;
                    separateFull += payday.seconds;
                    separateOk = separateOk && save.ok && payday.ok;
                }
            }
            fs::remove_all(folder);
            if (!batch.ok || !full.ok || !backup.ok || !separateOk) {
                state.SkipWithError("a run of tallyrin-calc failed");
                return;
            }
            if (employees == 250)
                perEmployee250 = batch.seconds / employees;
            std::printf("%9d | %12.2f s %7.0f ", employees, batch.seconds, batch.peakMegabytes);
            if (employees <= 1000)
                std::printf("%12.2f s %6.1fx", separate, separate / batch.seconds);
            else
                std::printf("%14s %7s", "", "");
            std::printf(" | %12.2f s %7.0f ", full.seconds, full.peakMegabytes);
            if (employees <= 1000)
                std::printf("%12.2f s %6.1fx", separateFull, separateFull / full.seconds);
            std::printf(" | backup %.2f s, %.0f KB\n", backup.seconds, archiveKilobytes);
            if (employees == 1000) {
                state.counters["backup_1000_s"] = backup.seconds;
                state.counters["calc_save_1000_s"] = batch.seconds;
                state.counters["full_1000_s"] = full.seconds;
                state.counters["separate_vs_whole_payday"] = separateFull / full.seconds;
                std::printf("%9s   cost of 1,000 against 250, scaled: %.1f (4 is in step)\n", "",
                            batch.seconds / (perEmployee250 * 250));
            }
            std::fflush(stdout);
        }
    }
}
BENCHMARK(BM_PaydayAtTheScaleOfTheStaff)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
