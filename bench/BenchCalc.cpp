// Timing of the pay-period calculation. Part one: the engine alone, computing one period from
// records already in memory (tables read once, outside the timed loop).
#include "engine/FederalTableFile.h"
#include "engine/PayCalculation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tallyrin;

void BM_ComputePayPeriod(benchmark::State& run)
{
    const FederalLoad load = loadFederalTables(SHIPPED_DATA_DIR, false, SHIPPED_DATA_DIR);
    if (!load.complete) {
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
    const PayPeriodRecords records{profile, load.tables, state, city, nonCity, Currency::of(23456.78)};

    for (auto _ : run) {
        PayPeriodResult result = computePayPeriod(entry, false, records);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputePayPeriod);

// Part two, the whole open-calculate-save cycle through the workspace, goes here.

} // namespace

BENCHMARK_MAIN();
