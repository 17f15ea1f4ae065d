// The main pay form's texts: entry fields, options, result labels and captions. The workspace
// fills them; the Qt form only shows them and copies typing back.
#pragma once

#include "app/WeekDate.h"
#include "engine/PayCalculation.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tallyrin {

struct Form1Screen
{
    std::string caption = "QUENVORO SOFTWARE"; // main window title
    std::string txtWeek;                       // period date, at most 10 characters
    std::array<std::string, 8> txtAmount{};
    bool opt1x = true;     // "(1X)"; false means "(2X)"
    bool ckFedJan = false; // "Fed Tax Prior to April"

    // Result labels.
    std::string Label13, lbTaxes, lbDeduct, lbNet, lbOverT, lbTips;
    std::array<std::string, 11> lbTaxDed{};
    std::string lbSDI, lbSUI, lbCafe;

    // Captions beside the labels; 5-9 follow the profile's deduction labels.
    std::array<std::string, 18> lbTaxTag{
        "Federal Tax", "Soc Sec", "Medicare", "State Tax", "City Tax", "Credit", "Bond", "Dues",           "Pension",
        "Misc.",       "K Plan",  "OverTime", "GROSS PAY", "NET PAY",  "SDI",    "SUI",  "Cafeteria Plan", "Tips"};
    std::string lbTaxVer;
    std::string lbTableNotice = "Weekly Tax Tables";
    std::string lbUser = "USER";

    void setWeek(std::string text) { txtWeek = text.substr(0, 10); }
    // The result labels as they stand, and a calculation's labels shown.
    PayPeriodLabels resultLabels() const
    {
        return {Label13, lbTaxes, lbDeduct, lbNet, lbOverT, lbTips, lbTaxDed, lbSDI, lbSUI, lbCafe};
    }
    void showResults(const PayPeriodLabels& l)
    {
        Label13 = l.Label13, lbTaxes = l.lbTaxes, lbDeduct = l.lbDeduct, lbNet = l.lbNet, lbOverT = l.lbOverT;
        lbTips = l.lbTips, lbTaxDed = l.lbTaxDed, lbSDI = l.lbSDI, lbSUI = l.lbSUI, lbCafe = l.lbCafe;
    }
    void blankResults()
    {
        Label13.clear(), lbTaxes.clear(), lbDeduct.clear(), lbNet.clear(), lbOverT.clear(), lbTips.clear();
        for (auto& l : lbTaxDed)
            l.clear();
        lbSDI.clear(), lbSUI.clear(), lbCafe.clear();
    }
};

// Opening the date picker: a valid date in txtWeek is where the picker starts; an empty box starts
// it at today and stays empty; any other text is replaced by today's date and the picker starts
// at today.
CalendarDate datePickerStart(Form1Screen& form1, CalendarDate today);

// The result labels as the command line prints them, with the tables' version.
std::vector<std::pair<std::string, std::string>> payFormLabels(const Form1Screen& form1);

} // namespace tallyrin
