// Payday over 1,000 employees: one `tallyrin-calc --payroll` run against 1,000 separate runs of
// `tallyrin-calc --user ... --save` over the same folder, each employee calculated and saved. The
// employees are made here, in a temporary folder, through the workspace's own save. A third
// figure shows the full payday: the run with the ledger paste and both combined PDFs.
#include "text/Operator.h"
#include "app/Workspace.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>

extern char** environ;

namespace {

using namespace tallyrin;
namespace fs = std::filesystem;

constexpr int kEmployees = 1000;

class QuietOperator : public Operator
{
public:
    void message(const std::string&, Icon, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> inputText(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseOpenFile(const std::string&) override { return std::nullopt; }
    bool choosePrinter() override { return false; }
};

std::string employeeName(int i) { return "Emp" + std::to_string(1000 + i).substr(1); }

// One employee's files written as the save screen writes them, copied under every other name (a
// save of each would spend minutes flushing files to disk), and the hours sheet.
void makeStaff(const fs::path& folder)
{
    for (const char* name : {"Federal09.dtt", "Federal09_jan.dtt"})
        fs::copy_file(fs::path(SHIPPED_DATA_DIR) / name, folder / name, fs::copy_options::overwrite_existing);
    QuietOperator op;
    Workspace ws(op, folder);
    ws.startUp();
    ws.txtSaveUser = employeeName(0);
    ws.cmdSaveUser_Click();
    ws.showTaxInfo();
    ws.taxInfo.txtHourRate = "18.25";
    ws.taxInfo.cboStatus = "Married";
    ws.taxInfo.txtPension = "3";
    ws.taxInfo_cmdOk();
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().stem() == employeeName(0))
            files.push_back(entry.path());
    std::ofstream sheet(folder / "hours.csv");
    sheet << "user,regular,regular2,ot,ot15,holiday,vacation,amount,tips,ot2x,week\n";
    for (int i = 0; i < kEmployees; ++i) {
        for (const fs::path& file : files)
            if (i > 0)
                fs::copy_file(file, folder / (employeeName(i) + file.extension().string()));
        sheet << employeeName(i) << ",40," << i % 5 << ",2,3.5,,,125.50,,0,1\n";
    }
}

// Runs the built command line with its output thrown away; its exit status.
int spawnCalc(const std::vector<std::string>& args)
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
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double secondsOf(const std::function<bool()>& work, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PaydayRunAgainstSeparateRuns(benchmark::State& run)
{
    const fs::path folder = fs::temp_directory_path() / ("tallyrin-payday-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    makeStaff(folder);
    const std::string dir = folder.string();
    const std::string sheet = (folder / "hours.csv").string();

    for (auto _ : run) {
        bool batchOk = false, separateOk = false, fullOk = false;
        const double batch =
            secondsOf([&] { return spawnCalc({"--folder", dir, "--payroll", sheet, "--date", "01/09/2009"}) == 0; },
                      batchOk);
        const double separate = secondsOf(
            [&] {
                bool all = true;
                for (int i = 0; i < kEmployees; ++i)
                    all = spawnCalc({"--folder", dir, "--user", employeeName(i), "--entries",
                                     "40," + std::to_string(i % 5) + ",2,3.5,,,125.50,", "--save"}) == 0 &&
                          all;
                return all;
            },
            separateOk);
        const double full = secondsOf(
            [&] {
                return spawnCalc({"--folder", dir, "--payroll", sheet, "--date", "01/09/2009", "--paste",
                                  "--statements", dir + "/statements.pdf", "--checks", dir + "/checks.pdf"}) == 0;
            },
            fullOk);
        if (!batchOk || !separateOk || !fullOk) {
            run.SkipWithError("a run of tallyrin-calc failed");
            break;
        }
        run.counters["payroll_s"] = batch;
        run.counters["separate_s"] = separate;
        run.counters["ratio"] = separate / batch;
        run.counters["paste_pdfs_s"] = full;
        std::printf("payday over %d employees: one run %.2f s, %d separate runs %.2f s, %.1f times faster; "
                    "with the ledger paste and both PDFs %.2f s\n",
                    kEmployees, batch, kEmployees, separate, separate / batch, full);
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_PaydayRunAgainstSeparateRuns)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
