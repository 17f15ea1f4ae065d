// The main pay form's texts: entry fields, options, result labels and captions. The workspace
// fills them; the Qt form only shows them and copies typing back.
#pragma once

#include "engine/PayCalculation.h"

#include <array>
#include <string>

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

} // namespace tallyrin
