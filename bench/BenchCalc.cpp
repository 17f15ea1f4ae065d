// Timing of the pay-period calculation: the engine alone, computing one period from records
// already in memory (tables read once, outside the timed loop); and the whole cycle an operator
// goes through: open an employee from its files, calculate, save every file.
#include "bench/BenchEmployee.h"
#include "engine/FederalTableFile.h"
#include "engine/PayCalculation.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

using namespace tallyrin;

void BM_ComputePayPeriod(benchmark::State& run)
{
    FederalTables federal;
    if (loadFederalTables(SHIPPED_DATA_DIR, false, SHIPPED_DATA_DIR, federal).kind != FileOutcome::Kind::Done) {
        run.SkipWithError("the shipped federal tables could not be read");
        return;
    }
    EmployeeProfile profile;
    profile.HourRate = 18.25f;
    profile.HourRate2 = 21.5f;
    profile.TipsRate = 1;
    profile.FedAllowances = "2";
    profile.FedStatus = "Married";
    profile.StateStatus = "Married";
    profile.StateExemptions = 2;
    profile.FedAddl = 5;
    profile.PensionPct = 3;
    profile.KPlanValue = 4;
    profile.CreditUnionAmt = 25;
    profile.CafeteriaAmt = 15;
    profile.CafeDeductState = 1;
    StateSettings state;
    state.StateMarExp.fill(100);
    CitySettings city;
    NonCitySettings nonCity;
    std::array<std::string, 8> texts{"40", "4", "2", "3.5", "8", "", "125.50", "10"};
    const PayPeriodEntry entry = readPayPeriodEntry(texts);
    const PayPeriodRecords records{profile, federal, state, city, nonCity, Currency::of(23456.78)};

    for (auto _ : run) {
        PayPeriodResult result = computePayPeriod(entry, false, records);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputePayPeriod);

using bench::SilentOperator;

// `changeOneFile`: each cycle also changes a setting, so that the closing save rewrites (and
// flushes to disk) one of the employee's files; otherwise every file already holds its bytes.
void openCalculateSave(benchmark::State& run, bool changeOneFile)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("tallyrin-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    bench::makeEmployee(folder, "Bench");
    SilentOperator op;
    bool odd = false;
    for (auto _ : run) {
        Workspace ws(op, folder);
        ws.openEmployee(folder / "Bench.use");
        if (changeOneFile)
            ws.nonCity.NonPer = (odd = !odd) ? 0.005f : 0.0045f;
        ws.form1.txtAmount = {"40", "4", "2", "3.5", "8", "", "125.50", "10"};
        ws.cmdCal_Click();
        benchmark::DoNotOptimize(ws.form1.lbNet);
    }
    fs::remove_all(folder);
}

void BM_OpenCalculateSave(benchmark::State& run) { openCalculateSave(run, false); }
BENCHMARK(BM_OpenCalculateSave)->Unit(benchmark::kMillisecond);

void BM_OpenCalculateSaveOneFileChanged(benchmark::State& run) { openCalculateSave(run, true); }
BENCHMARK(BM_OpenCalculateSaveOneFileChanged)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
