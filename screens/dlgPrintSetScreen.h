// "Printer Offset" (dlgPrintSet) without its window: the horizontal and vertical check offsets,
// shown from and stored into the employee's profile.
#pragma once

#include "records/EmployeeProfile.h"

#include <array>
#include <string>

namespace tallyrin {

class dlgPrintSetScreen
{
public:
    static constexpr const char* kCaption = "Printer Offset";
    static constexpr const char* kHeading = "OFFSET ADJUSTMENT";
    static constexpr const char* kInstruction =
        "Before printing on actual checks, print on plain printer paper. Match up by holding the printed paper "
        "behind the actual blank check sheet and hold up to light. To adust change settings above until disired "
        "settings are achived";
    static constexpr std::array<const char*, 11> kOffsets{"+5", "+4", "+3", "+2", "+1", "0",
                                                          "-1", "-2", "-3", "-4", "-5"};

    // Opening (after the profile was read again): each stored offset as a whole number, halves to
    // even, without a plus sign; the period date into lbWeek.
    void Form_Load(const EmployeeProfile& profile, const std::string& txtWeek);
    // Apply's storing: the number each box's text starts with ("+2" is 2, "abc" is 0).
    void storeOffsets(EmployeeProfile& profile) const;

    std::string cboHorz = "0";
    std::string cboVert = "0";
    std::string lbWeek;
};

} // namespace tallyrin
