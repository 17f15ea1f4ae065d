// The eleven built-in state methods: each computes the period's state tax from the state
// settings and the wage inputs, before the finishing step (adjustment, cents, "Round State",
// floor at 0). The tables a method reads are the columns its preset fills on the state screen.
//
// Precision, one rule for every method: products and sums are formed in double. What a method
// keeps is stored as a single: the state wage W (and Alabama's and Louisiana's taxable amount X),
// a halved table bound, Missouri's federal limit, the running tax at a band's lower bound, and the
// tax of Arizona, Louisiana, Massachusetts, Utah and Oregon. The tax of Alabama, Kentucky,
// Wisconsin, North Carolina, Iowa and Missouri is kept as a double. Other amounts (deductions,
// credits, band parts) stay double until they are taken into a stored value.
#pragma once

#include "state/StateSettings.h"
#include "state/StateWithholding.h"

namespace tallyrin {

// Federal withholding times the elected rate (row 0 rate of the Single table for a federal
// "Single", else of the Married table). No wage, no allowance, either pay frequency.
float arizonaTax(const StateSettings& state, const StateWageInputs& in);

// Gross pay taxed at 2.1 % and 1.35 % above two thresholds, less the same on the personal
// exemptions (StateSgExp[0]) and dependents (StateMarExp[0]), whole numbers half to even; never
// below 0.
float louisianaTax(const StateSettings& state, const StateWageInputs& in);

// Gross pay, less the period's Social Security and Medicare until their year-to-date total
// exceeds 2000, less the Married allowance of the count (halved weekly), times StatePerBS[0].
float massachusettsTax(const StateSettings& state, const StateWageInputs& in);

// Rows 0-6 of the table taxing the whole wage, less StateAllowance as a credit; the top row
// drops the credit and sets the working StateAllowance to 0.
float utahTax(const StateSettings& state, StateWageInputs& in);

// Gross less the federal withholding (at most 225 bi-weekly, 112.5 weekly) and the standard
// deduction, on rows 0-2 of the table as stored; `tax` stays when W is below Min[0].
float oregonTax(const StateSettings& state, const StateWageInputs& in, float tax);

// The built-in 2009 schedule on gross less the standard deduction, personal exemption, federal
// withholding and dependent amount.
double alabamaTax(const StateSettings& state, const StateWageInputs& in);

// Gross less the Amount column, on rows 0-5 as brackets, less the allowance column as a credit.
double kentuckyTax(const StateSettings& state, const StateWageInputs& in);

// Taxable wages less CalAllow and the cafeteria amount on the table (halved weekly), less
// StateAllowance (halved weekly).
double wisconsinTax(const StateSettings& state, const StateWageInputs& in);

// W times the row's rate less its Amount (halved weekly); `tax` stays when no row applies.
double northCarolinaTax(const StateSettings& state, const StateWageInputs& in, double tax);

// The built-in schedule on taxable wages less federal, cafeteria and the Standard column, less
// the Credit column.
double iowaTax(const StateSettings& state, const StateWageInputs& in);

// The built-in schedule on taxable wages less federal (when within the limit), cafeteria, the
// Standard and the W4 Allowance columns.
double missouriTax(const StateSettings& state, const StateWageInputs& in);

} // namespace tallyrin
