#include "forms/DialogEmployer.h"

#include "employee/CompanyHeader.h"
#include "forms/TextBoxesScreen.h"
#include "platform/QtText.h"
#include "text/Operator.h"


namespace tallyrin {
namespace {

using Box = TextBox<EmployerFacts>;

constexpr Box kBoxes[] = {
    {"txtEin", "Employer identification number (EIN)", &EmployerFacts::Ein},
    {"txtName", "Employer's name", &EmployerFacts::Name},
    {"txtStreet", "Street address", &EmployerFacts::Street},
    {"txtCity", "City", &EmployerFacts::City},
    {"txtState", "State (2 letters)", &EmployerFacts::State},
    {"txtZip", "ZIP code", &EmployerFacts::Zip},
    {"txtStateAccount", "State employer account number", &EmployerFacts::StateAccount},
    {"txtUserId", "SSA User ID (8 characters)", &EmployerFacts::UserId},
    {"txtContactName", "Contact name", &EmployerFacts::ContactName},
    {"txtContactPhone", "Contact phone", &EmployerFacts::ContactPhone},
    {"txtContactEmail", "Contact e-mail", &EmployerFacts::ContactEmail},
    {"txtCompanyId", "Company ID (direct deposit)", &EmployerFacts::CompanyId},
    {"txtBankRouting", "Bank routing number", &EmployerFacts::BankRouting},
    {"txtBankName", "Bank name", &EmployerFacts::BankName},
    {"txtKind", "Kind of employer (R: files Form 941)", &EmployerFacts::Kind},
};
static_assert(std::size(kBoxes) == 15);

} // namespace

DialogEmployer::DialogEmployer(std::filesystem::path folder, Operator& op, QWidget* parent)
    : TextBoxesDialog(std::move(folder), op, parent, "DialogEmployer", QStringLiteral("Employer"),
                      QStringLiteral("What the W-2 file for filing and the bank's deposit file say of the employer."),
                      kBoxes)
{
    // The file as saved; without one, what the company header already says.
    EmployerFacts facts;
    const FileOutcome read = LoadEmployer(m_folder, facts);
    if (read.kind == FileOutcome::Kind::Missing) {
        CompanyHeader header;
        if (!LoadHeader(m_folder, header).failed())
            facts = employerFromHeader(header.HeaderCompany, header.HeaderAddress, header.HeaderZip,
                                       header.HeaderIdNumber);
    } else {
        opened(read);
    }
    showRecord(m_boxes, kBoxes, facts);
}

EmployerFacts DialogEmployer::shown() const
{
    return shownRecord(m_boxes, kBoxes);
}

void DialogEmployer::OKButton_Click()
{
    const EmployerFacts facts = shown();
    if (const auto problems = employerProblems(facts); !problems.empty()) {
        m_op.message(problemLines(problems) + "\r\nNothing was saved.", Icon::Exclamation);
        return;
    }
    for (const FileOutcome& outcome : SaveEmployer(m_folder, facts, m_damaged)) {
        if (!outcome.message().empty())
            m_op.message(outcome.message(), outcome.failed() ? Icon::Exclamation : Icon::Information);
        if (outcome.failed())
            return;
    }
    m_damaged = false;
    accept();
}

} // namespace tallyrin
