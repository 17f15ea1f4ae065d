// The New York table of the state screen as settings, for the state tests.
#pragma once

#include "state/StateSettings.h"

namespace tallyrin::testing {

inline StateSettings newYorkSettings()
{
    StateSettings s;
    s.StateMinBS = s.StateMinBM = {0, 308, 423, 500, 769, 3462, 3846, 5769, 999999, 999999};
    s.StateAmtBS = s.StateAmtBM = {0, 12.31f, 17.5f, 21.54f, 37.42f, 221.85f, 251.23f, 407.85f, 0, 0};
    s.StatePerBS = s.StatePerBM = {0.04f, 0.045f, 0.0525f, 0.059f, 0.0685f, 0.0764f, 0.0814f, 0.0735f, 0, 0};
    for (int n = 0; n < 10; ++n) {
        s.StateSgExp[n] = static_cast<float>(268.3 + 38.5 * n);
        s.StateMarExp[n] = static_cast<float>(287.5 + 38.5 * n);
    }
    return s;
}

} // namespace tallyrin::testing
