// Direct deposit below the screens: the account rules as a case table, the ".dd" file refusing an
// unsound account with the reason, the ACH records field by field, and what stops a payday's file.
#include "app/PaydayDeposits.h"
#include "bank/AchFile.h"
#include "employee/DepositAccount.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tallyrin {
namespace {

TEST(DirectDepositTest, TheAccountRules)
{
    struct Case
    {
        DepositAccount account;
        const char* problem; // the one problem, or "" for none
    };
    const Case cases[] = {
        {{"011000015", "12345678", kChecking}, ""},
        {{"021000021", "98-7654 321", kSavings}, ""},
        {{"122000247", "12345678901234567", kChecking}, ""}, // 17 characters
        {{"011000016", "1", kChecking}, "the routing number 011000016 has a wrong check digit"},
        {{"021000012", "1", kChecking}, "the routing number 021000012 has a wrong check digit"}, // two digits swapped
        {{"01100001", "1", kChecking}, "the routing number \"01100001\" is not nine digits"},
        {{"01100001X", "1", kChecking}, "the routing number \"01100001X\" is not nine digits"},
        {{"011000015", "", kChecking}, "the account number is empty"},
        {{"011000015", "123456789012345678", kChecking},
         "the account number \"123456789012345678\" is longer than 17 characters"},
        {{"011000015", "12/34", kChecking},
         "the account number \"12/34\" holds characters other than letters, digits, hyphens and spaces"},
        {{"011000015", "1", "MONEY MARKET"}, "the account kind \"MONEY MARKET\" is neither CHECKING nor SAVINGS"},
    };
    for (const Case& c : cases) {
        const auto problems = depositAccountProblems(c.account);
        EXPECT_EQ(problems.empty() ? std::string() : problems.front(), c.problem) << c.account.Routing;
        EXPECT_LE(problems.size(), 1u) << c.account.Routing;
    }
    EXPECT_EQ(accountEnding("98-7654 321"), "4321");
    EXPECT_EQ(accountEnding("12"), "12");
}

TEST(DirectDepositTest, TheFileReadsBackAndRefusesAnUnsoundAccount)
{
    TempFolder folder;
    const DepositAccount account{"021000021", "0001234567", kSavings};
    ASSERT_FALSE(saveDepositFile(folder / "Smith.dd", account).failed());
    EXPECT_EQ(fileBytes(folder / "Smith.dd"), "\"021000021\",\"0001234567\",\"SAVINGS\"\r\n");
    std::optional<DepositAccount> read;
    EXPECT_EQ(loadDepositFile(folder / "Smith.dd", read).kind, FileOutcome::Kind::Done);
    EXPECT_EQ(read, account);

    writeBytes(folder / "Smith.dd", "\"021000012\",\"0001234567\",\"SAVINGS\"\r\n");
    const FileOutcome refused = loadDepositFile(folder / "Smith.dd", read);
    EXPECT_EQ(refused.kind, FileOutcome::Kind::Corrupt);
    EXPECT_FALSE(read.has_value()); // nobody is paid into an account that could not be read
    EXPECT_NE(refused.message().find("The routing number 021000012 has a wrong check digit."), std::string::npos)
        << refused.message();

    EXPECT_EQ(loadDepositFile(folder / "Jones.dd", read).kind, FileOutcome::Kind::Missing);
    EXPECT_FALSE(read.has_value());
}

TEST(DirectDepositTest, TheRecordsFieldByField)
{
    AchPayday payday;
    payday.originator = {"Acme Tool Company of Springfield", "1123456789", "011000015", "First Bank"};
    payday.date = "091231";
    payday.entries = {{"021000021", "0001234567", false, Currency::of(1234.56), "Smith", "Sam Poe, Jr."},
                      {"122000247", "98-7654-321", true, Currency::of(0.01), "Lee", "Mary Ann Lee"}};
    const std::string file = achFile(payday);
    std::vector<std::string> r;
    for (size_t at = 0, end; (end = file.find('\n', at)) != std::string::npos; at = end + 1)
        r.push_back(file.substr(at, end - at));
    ASSERT_EQ(r.size(), 10u);
    for (const auto& record : r)
        EXPECT_EQ(record.size(), kAchRecordLength) << record;
    EXPECT_EQ(r[0], "101 0110000151123456789091231" "0000A094101" "FIRST BANK             "
                    "ACME TOOL COMPANY OF SP        ");
    EXPECT_EQ(r[1].substr(0, 4) + "|" + r[1].substr(4, 16) + "|" + r[1].substr(40), "5220|ACME TOOL COMPAN|"
              "1123456789PPDPAYROLL         091231   1011000010000001");
    EXPECT_EQ(r[2], "622021000021" "0001234567       " "0000123456" "SMITH          " "SAM POE, JR.          "
                    "  0" "011000010000001");
    EXPECT_EQ(r[3].substr(0, 39), "632122000247" "98-7654-321      " "0000000001");
    EXPECT_EQ(r[3].substr(79), "011000010000002");
    // 02100002 + 12200024 = 14300026
    EXPECT_EQ(r[4], "8220000002" "0014300026" "000000000000" "000000123457" "1123456789" + std::string(25, ' ') +
                        "011000010000001");
    EXPECT_EQ(r[5], "9000001000001000000020014300026000000000000000000123457" + std::string(39, ' '));
    for (size_t i = 6; i < r.size(); ++i)
        EXPECT_EQ(r[i], std::string(94, '9'));
}

TEST(DirectDepositTest, WhatStopsAPaydaysFile)
{
    auto paid = [](int line, const char* user, const char* net, std::optional<DepositAccount> account) {
        PaydayLine l;
        l.line = line, l.user = user, l.paid = true, l.net = net, l.date = "01/30/2009";
        l.deposit = std::move(account), l.depositName = user;
        return l;
    };
    const DepositAccount good{"011000015", "1234", kChecking};
    const EmployerFacts employer{"", "Acme", "", "", "", "", "", "", "", "", "", "1123456789", "021000021", "Bank", "R"};

    std::vector<PaydayLine> lines{paid(2, "Smith", "$327.43", good), paid(3, "Lee", "$324.61", std::nullopt)};
    PaydayDeposits d = paydayDeposits(lines, employer, "");
    EXPECT_TRUE(d.problems.empty());
    EXPECT_EQ(d.entries, 1);
    EXPECT_EQ(d.date, "01/30/2009"); // the deposits' period date without --date
    EXPECT_NE(d.file.find("6220110000151234             0000032743SMITH"), std::string::npos) << d.file;

    // A row that is not paid is not in the file; nobody left by deposit is no fault.
    lines[0].paid = false;
    d = paydayDeposits(lines, employer, "02/06/2009");
    EXPECT_TRUE(d.nobody);
    EXPECT_TRUE(d.problems.empty());

    EmployerFacts missing = employer;
    missing.CompanyId.clear();
    missing.BankRouting = "021000012";
    lines = {paid(2, "Smith", "$.00", good), paid(4, "Kim", "$10.00", DepositAccount{"011000015", "", kChecking})};
    lines.push_back(paid(5, "Poe", "", std::nullopt));
    lines.back().paid = false, lines.back().depositProblem = "the net pay $-5.00 is below 0 and cannot be deposited";
    d = paydayDeposits(lines, missing, "01/30/2009");
    EXPECT_TRUE(d.file.empty());
    EXPECT_EQ(d.problems, (std::vector<std::string>{
                              "The employer file has no company ID (Options > Employer...).",
                              "The bank routing number \"021000012\" is not nine digits with a right check digit.",
                              "Line 2, Smith: the net pay $.00 cannot be deposited: it is not above 0.",
                              "Line 4, Kim: the account number is empty.",
                              "Line 5, Poe: the net pay $-5.00 is below 0 and cannot be deposited.",
                          }));
}

} // namespace
} // namespace tallyrin
