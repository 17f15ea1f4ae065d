#include "state/BuiltInStates.h"

#include "state/BuiltInStateMethods.h"
#include "state/StatePresets.h"

#include <algorithm>

namespace tallyrin {

namespace {

using Box = StateBoxes::StateBox;
using C = DialogStateControls;
using S = StateSettings;
using In = StateWageInputs;
constexpr auto Hide = SpouseOnPress::UncheckAndHide;
constexpr auto Show = SpouseOnPress::ShowWhenNewlyChecked;
constexpr auto Uncheck = RoundOnPress::Uncheck;
constexpr auto Check = RoundOnPress::Check;
constexpr auto Keep = RoundOnPress::Keep;

// clang-format off
const std::array<BuiltInState, 11> kStates{{
    {Box::Ariz, &S::Ariz, &C::ckAriz, "ckAriz", "Arizona", 1, true, Hide, Uncheck, false, arizonaPreset,
     [](const S& s, In& in, double) -> double { return arizonaTax(s, in); }},
    {Box::Louis, &S::Louis, &C::ckLouis, "ckLouis", "Louisiana", 0, true, Hide, Uncheck, false, louisianaPreset,
     [](const S& s, In& in, double) -> double { return louisianaTax(s, in); }},
    {Box::Iowa, &S::Iowa, &C::ckIowa, "ckIowa", "Iowa", 2, true, Hide, Keep, false, iowaPreset,
     [](const S& s, In& in, double) { return iowaTax(s, in); }},
    {Box::Missouri, &S::Missouri, &C::ckMissouri, "ckMissouri", "Missouri", 3, true, Show, Keep, true, missouriPreset,
     [](const S& s, In& in, double) { return missouriTax(s, in); }},
    {Box::Mass, &S::Mass, &C::ckMass, "ckMass", "Mass", 4, true, Hide, Uncheck, false, massachusettsPreset,
     [](const S& s, In& in, double) -> double { return massachusettsTax(s, in); }},
    {Box::Oregon, &S::Oregon, &C::ckOregon, "ckOregon", "Oregon", 5, true, Hide, Uncheck, false, oregonPreset,
     [](const S& s, In& in, double tax) -> double { return oregonTax(s, in, static_cast<float>(tax)); }},
    {Box::Utah, &S::Utah, &C::ckUtah, "ckUtah", "Utah", 6, true, Show, Uncheck, false, utahPreset,
     [](const S& s, In& in, double) -> double { return utahTax(s, in); }},
    {Box::Alabama, &S::Alabama, &C::ckAlabama, "ckAlabama", "Alabama", 7, false, Hide, Uncheck, false, alabamaPreset,
     [](const S& s, In& in, double) { return alabamaTax(s, in); }},
    {Box::Kentucky, &S::Kentucky, &C::ckKentucky, "ckKentucky", "Kentucky", 8, true, Hide, Uncheck, false,
     kentuckyPreset, [](const S& s, In& in, double) { return kentuckyTax(s, in); }},
    {Box::Wiscon, &S::Wiscon, &C::ckWiscon, "ckWiscon", "Wisconsin", 9, true, Hide, Uncheck, false, wisconsinPreset,
     [](const S& s, In& in, double) { return wisconsinTax(s, in); }},
    {Box::NC, &S::NC, &C::ckNC, "ckNC", "N.C.", 10, true, Hide, Check, false, northCarolinaPreset,
     [](const S& s, In& in, double tax) { return northCarolinaTax(s, in, tax); }},
}};
// clang-format on

} // namespace

const std::array<BuiltInState, 11>& builtInStates() { return kStates; }

const BuiltInState& builtInState(StateBoxes::StateBox box) { return kStates[static_cast<size_t>(box)]; }

const std::array<const BuiltInState*, 11>& statesInPresetOrder()
{
    static const std::array<const BuiltInState*, 11> ordered = [] {
        std::array<const BuiltInState*, 11> states{};
        for (size_t i = 0; i < kStates.size(); ++i)
            states[i] = &kStates[i];
        std::sort(states.begin(), states.end(),
                  [](const BuiltInState* a, const BuiltInState* b) { return a->presetOrder < b->presetOrder; });
        return states;
    }();
    return ordered;
}

bool methodChecksRoundState(const StateSettings& state)
{
    return std::any_of(kStates.begin(), kStates.end(),
                       [&](const BuiltInState& s) { return s.methodChecksRoundState && state.*s.flag == 1; });
}

} // namespace tallyrin
