// What the city and non-city screens share: columns of text boxes, each showing one array field
// of the settings record, emptied, shown, filled from a preset where empty, and read back.
#pragma once

#include "text/Numbers.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tallyrin {

template <class Screen, class Settings, size_t Rows> struct BoxColumn
{
    std::array<std::string, Rows> Screen::*boxes;
    std::array<float, Rows> Settings::*field;
    bool minimumRange = false; // a "Minimum Range" column (CLEAR ALL puts 999999 there)
};

template <class Screen, class Settings, size_t Rows, size_t N>
void emptyBoxes(Screen& screen, const std::array<BoxColumn<Screen, Settings, Rows>, N>& columns)
{
    for (const auto& c : columns)
        for (auto& box : screen.*c.boxes)
            box.clear();
}

template <class Screen, class Settings, size_t Rows, size_t N>
void showColumns(Screen& screen, const std::array<BoxColumn<Screen, Settings, Rows>, N>& columns,
                 const Settings& settings)
{
    for (const auto& c : columns)
        for (size_t i = 0; i < Rows; ++i)
            (screen.*c.boxes)[i] = screenText((settings.*c.field)[i]);
}

// Every empty box takes the preset's value.
template <class Screen, class Settings, size_t Rows, size_t N>
void fillEmptyColumns(Screen& screen, const std::array<BoxColumn<Screen, Settings, Rows>, N>& columns,
                      const Settings& preset)
{
    for (const auto& c : columns)
        for (size_t i = 0; i < Rows; ++i)
            if ((screen.*c.boxes)[i].empty())
                (screen.*c.boxes)[i] = screenText((preset.*c.field)[i]);
}

// Every box into `read`; false at the first box that does not hold a number.
template <class Screen, class Settings, size_t Rows, size_t N>
bool readColumns(const Screen& screen, const std::array<BoxColumn<Screen, Settings, Rows>, N>& columns,
                 Settings& read)
{
    for (const auto& c : columns)
        for (size_t i = 0; i < Rows; ++i) {
            const std::optional<float> value = fullSingle((screen.*c.boxes)[i]);
            if (!value)
                return false;
            (read.*c.field)[i] = *value;
        }
    return true;
}

} // namespace tallyrin
