// Lists the employee's file kinds from the store's table, for the checks written outside C++ (the
// damaged-file table, the crash test, the fuzz seeds): one line a file, "<extension> <frequency>
// <reading>", where the frequency is "any", "weekly" or "biweekly" and the reading is "text" when
// the kind reads from its text alone, "file" when it reads from its file (the ledger). The lines
// with "text" are, in order, the kinds of the employee_files fuzz target.
#include "employee/EmployeeStore.h"

#include <cstdio>

int main()
{
    using namespace tallyrin;
    for (const EmployeeFileKind& kind : employeeFileKinds()) {
        const char* reading = kind.read ? "text" : "file";
        Employee weekly, biWeekly;
        weekly.profile.Weekly = true, weekly.profile.BiWeekly = false;
        biWeekly.profile.Weekly = false, biWeekly.profile.BiWeekly = true;
        const std::string a = kind.extension(weekly), b = kind.extension(biWeekly);
        if (a == b) {
            std::printf("%s any %s\n", a.c_str(), reading);
        } else {
            std::printf("%s weekly %s\n", a.c_str(), reading);
            std::printf("%s biweekly %s\n", b.c_str(), reading);
        }
    }
    return 0;
}
