// The eleven built-in states in one table: the flag in the settings, the check box of the state
// screen with its name and caption, how a press on the box sets "Spouse Works" and "Round State",
// the preset loader and the method. Everything that goes over the states (the calculation's
// method order, the screen's exclusive boxes, Open's presets, the form's check boxes) reads it.
#pragma once

#include "state/StateBoxes.h"
#include "state/StateSettings.h"
#include "state/StateWithholding.h"

#include <array>
#include <cstdint>

namespace tallyrin {

// What a press on the state's box does to "Spouse Works" before the preset runs.
enum class SpouseOnPress
{
    UncheckAndHide,
    ShowWhenNewlyChecked, // shown when the box was unchecked before the press
};

// What a press on the state's box does to "Round State" before the preset runs.
enum class RoundOnPress
{
    Uncheck,
    Check,
    Keep,
};

// A method takes the tax as the earlier methods left it and returns the new one; it may change
// the working inputs (Utah drops the state allowance).
using StateMethod = double (*)(const StateSettings&, StateWageInputs&, double tax);
using StatePresetLoader = void (*)(StateBoxes&);

struct BuiltInState
{
    StateBoxes::StateBox box;
    int16_t StateSettings::*flag;
    bool DialogStateControls::*checkBox;
    const char* checkBoxName;
    const char* caption;
    // Place among the presets Open runs for the checked boxes (Louisiana first, then Arizona,
    // then the calculation's order).
    int presetOrder;
    // Open fills the blank boxes only when no state with this set is checked (Alabama's preset
    // writes every box, so Alabama does not hold the blanks back).
    bool keepsBlanksOnOpen;
    SpouseOnPress spouse;
    RoundOnPress round;
    // The method checks "Round State" itself at every calculation.
    bool methodChecksRoundState;
    StatePresetLoader preset;
    StateMethod method;
};

// In the order the calculation runs the methods: Arizona, Louisiana, Iowa, Missouri,
// Massachusetts, Oregon, Utah, Alabama, Kentucky, Wisconsin, North Carolina; the same order as
// StateBoxes::StateBox.
const std::array<BuiltInState, 11>& builtInStates();

const BuiltInState& builtInState(StateBoxes::StateBox box);

// The states ordered as Open runs their presets.
const std::array<const BuiltInState*, 11>& statesInPresetOrder();

// True when a checked method (Missouri) rounds the tax to whole dollars whatever "Round State" holds.
bool methodChecksRoundState(const StateSettings& state);

} // namespace tallyrin
