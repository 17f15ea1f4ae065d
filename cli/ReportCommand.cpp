#include "cli/ReportCommand.h"

#include "app/StaffFolder.h"
#include "cli/CliOutput.h"
#include "cli/Options.h"
#include "platform/xlsx/XlsxWorkbook.h"
#include "print/ReportPrints.h"
#include "text/FileStore.h"

#include <ostream>

namespace tallyrin {
namespace {


std::optional<CliOptions> parse(const std::vector<std::string>& args, bool report, std::string& problem)
{
    return readChecked(args, report ? CliForm::Report : CliForm::List, problem, [report](const CliOptions& a) {
        return report && !reportPeriodNamed(a.report)
                   ? "--report takes q1, q2, q3, q4 or year, not \"" + a.report + "\""
                   : std::string();
    });
}

bool endsWith(const std::string& name, const std::string& suffix)
{
    if (name.size() < suffix.size())
        return false;
    std::string end = name.substr(name.size() - suffix.size());
    for (char& c : end)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == suffix;
}

std::string damagedText(const StaffRow& row)
{
    std::string text;
    for (const auto& [file, why] : row.damaged)
        text += (text.empty() ? "" : "; ") + file + ": " + why;
    return text;
}

// The form's arguments, with its working folder there; nullopt after telling `err`, with the exit
// status.
std::optional<CliOptions> usableArguments(const std::vector<std::string>& args, bool report, std::ostream& err,
                                          int& status)
{
    std::string problem;
    auto a = parse(args, report, problem);
    if (!a)
        status = badArguments(problem, report ? CliForm::Report : CliForm::List, err);
    else if (!workingFolderFound(a->folder, err))
        status = 1, a.reset();
    return a;
}

} // namespace

int runList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    int status = 0;
    const auto a = usableArguments(args, false, err, status);
    if (!a)
        return status;
    std::vector<StaffRow> rows;
    for (const StaffMember& m : readStaff(a->folder))
        rows.push_back(staffRow(m));
    if (a->json) {
        out << '[';
        for (size_t i = 0; i < rows.size(); ++i) {
            const StaffRow& r = rows[i];
            out << (i ? "," : "") << "{\"user\":" << jsonString(r.user) << ",\"frequency\":" << jsonString(r.frequency)
                << ",\"federal\":" << jsonString(r.federal) << ",\"state\":" << jsonString(r.state)
                << ",\"periods\":" << r.periods << ",\"last_date\":" << jsonString(r.lastDate)
                << ",\"ytd_gross\":" << jsonString(centsText(r.ytdGross))
                << ",\"ytd_net\":" << jsonString(centsText(r.ytdNet))
                << ",\"self_employed\":" << (r.selfEmployed ? "true" : "false") << ",\"damaged\":[";
            for (size_t d = 0; d < r.damaged.size(); ++d)
                out << (d ? "," : "") << "{\"file\":" << jsonString(r.damaged[d].first)
                    << ",\"reason\":" << jsonString(r.damaged[d].second) << '}';
            out << "]}";
        }
        out << "]\n";
    } else {
        out << "user\tfrequency\tfederal\tstate\tperiods\tlast_date\tytd_gross\tytd_net\tself_employed\tdamaged\n";
        for (const StaffRow& r : rows)
            out << r.user << '\t' << r.frequency << '\t' << r.federal << '\t' << r.state << '\t' << r.periods << '\t'
                << r.lastDate << '\t' << centsText(r.ytdGross) << '\t' << centsText(r.ytdNet) << '\t'
                << (r.selfEmployed ? "yes" : "") << '\t' << damagedText(r) << '\n';
    }
    for (const StaffRow& r : rows)
        for (const auto& [file, why] : r.damaged)
            err << "tallyrin-calc: " << r.user << ": " << file << " is damaged: " << why << '\n';
    return 0;
}

int runReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const PdfWriter& pdf,
              const std::string& today)
{
    int status = 0;
    const auto a = usableArguments(args, true, err, status);
    if (!a)
        return status;
    const StaffReport staff = readStaffReport(a->folder);
    for (const std::string& d : staff.damaged)
        err << "tallyrin-calc: " << d << '\n';
    const bool damaged = !staff.damaged.empty();
    const PayrollReport report = payrollReport(*reportPeriodNamed(a->report), staff.employees);
    for (const std::string& w : report.warnings)
        err << "tallyrin-calc: " << w << '\n';

    if (a->json) {
        const auto amounts = [&](const ReportFigures& f) {
            std::string text;
            for (size_t k = 0; k < kReportKeys.size(); ++k)
                text += std::string(k ? "," : "") + "\"" + kReportKeys[k] + "\":" + jsonString(centsText(f.cents[k]));
            return text;
        };
        out << "{\"report\":" << jsonString(a->report) << ",\"employees\":[";
        for (size_t i = 0; i < report.employees.size(); ++i) {
            const ReportLine& l = report.employees[i];
            out << (i ? "," : "") << "{\"user\":" << jsonString(l.user) << ",\"periods\":" << l.figures.periods
                << ",\"self_employed\":" << (l.selfEmployed ? "true" : "false") << ',' << amounts(l.figures) << '}';
        }
        const Form941& f = report.form941;
        out << "],\"totals\":{\"periods\":" << report.totals.periods << ',' << amounts(report.totals) << '}'
            << ",\"form941\":{\"line1\":" << f.line1 << ",\"line2\":" << jsonString(centsText(f.line2))
            << ",\"line3\":" << jsonString(centsText(f.line3)) << ",\"line5a\":" << jsonString(centsText(f.line5a))
            << ",\"line5b\":" << jsonString(centsText(f.line5b)) << ",\"line5c\":" << jsonString(centsText(f.line5c))
            << ",\"line5d\":" << jsonString(centsText(f.line5d)) << ",\"line6\":" << jsonString(centsText(f.line6))
            << ",\"line7\":" << jsonString(centsText(f.line7)) << ",\"line10\":" << jsonString(centsText(f.line10))
            << '}';
        if (report.form940)
            out << ",\"form940\":{\"futa_wages\":" << jsonString(centsText(report.form940->futaWages))
                << ",\"futa_tax\":" << jsonString(centsText(report.form940->futaTax)) << '}';
        out << ",\"notes\":[";
        for (size_t i = 0; i < report.warnings.size(); ++i)
            out << (i ? "," : "") << jsonString(report.warnings[i]);
        out << "]}\n";
    } else if (a->out.empty()) {
        out << reportTable(report, '\t');
    }

    bool written = true;
    if (!a->out.empty()) {
        if (endsWith(a->out, ".csv")) {
            const FileOutcome saved = writeOutputFile(a->out, reportTable(report, ','));
            if (saved.failed())
                err << "tallyrin-calc: " << plainLines(saved.message()) << '\n';
            written = !saved.failed();
        } else if (endsWith(a->out, ".xlsx")) {
            const FileOutcome saved = writeXlsxWorkbook(reportWorksheet(report), a->out);
            if (saved.failed())
                err << "tallyrin-calc: " << plainLines(saved.message()) << '\n';
            written = !saved.failed();
        } else {
            CompanyHeader header;
            const FileOutcome heading = LoadHeader(a->folder, header);
            if (heading.failed()) {
                err << "tallyrin-calc: " << plainLines(heading.message()) << '\n';
                return 1;
            }
            PrintDocument document;
            PrintReport(document, header, report, staff.payees, today);
            written = writePrint(document, a->out, pdf, err);
        }
    }
    return damaged || !written ? 1 : 0;
}

} // namespace tallyrin
