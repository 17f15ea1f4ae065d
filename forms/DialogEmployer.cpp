#include "forms/DialogEmployer.h"

#include "employee/CompanyHeader.h"
#include "platform/QtText.h"
#include "text/Operator.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {
namespace {

struct Box
{
    const char* name;
    const char* caption;
    std::string EmployerFacts::*field;
};

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
    : QDialog(parent)
    , m_folder(std::move(folder))
    , m_op(op)
{
    setObjectName(QStringLiteral("DialogEmployer"));
    setWindowTitle(QStringLiteral("Employer"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("What the W-2 file for filing and the bank's deposit file say of the employer."), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i] = new QLineEdit(this);
        m_boxes[i]->setObjectName(QString::fromLatin1(kBoxes[i].name));
        form->addRow(QString::fromLatin1(kBoxes[i].caption), m_boxes[i]);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &DialogEmployer::OKButton_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The file as saved; without one, what the company header already says.
    EmployerFacts facts;
    const FileOutcome read = LoadEmployer(m_folder, facts);
    if (read.kind == FileOutcome::Kind::Missing) {
        CompanyHeader header;
        if (!LoadHeader(m_folder, header).failed())
            facts = employerFromHeader(header.HeaderCompany, header.HeaderAddress, header.HeaderZip,
                                       header.HeaderIdNumber);
    } else if (read.kind != FileOutcome::Kind::Done) {
        m_damaged = true;
        m_op.message(read.message(), Icon::Exclamation);
    }
    for (size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setText(toQt(facts.*kBoxes[i].field));
}

EmployerFacts DialogEmployer::shown() const
{
    EmployerFacts facts;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        facts.*kBoxes[i].field = toStd(m_boxes[i]->text().trimmed());
    return facts;
}

void DialogEmployer::OKButton_Click()
{
    const EmployerFacts facts = shown();
    if (const auto problems = employerProblems(facts); !problems.empty()) {
        std::string text;
        for (const std::string& p : problems)
            text += (text.empty() ? "" : "\r\n") + p;
        m_op.message(text + "\r\nNothing was saved.", Icon::Exclamation);
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
