#include "forms/DialogDeposit.h"

#include "employee/EmployeeFiles.h"
#include "employee/EmployeeStore.h"
#include "forms/TextBoxesScreen.h"
#include "platform/Named.h"
#include "platform/QtText.h"
#include "text/FileStore.h"
#include "text/Operator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <system_error>

namespace tallyrin {
namespace {

using Box = TextBox<DepositAccount>;

constexpr Box kBoxes[] = {
    {"txtRouting", "Routing number (9 digits)", &DepositAccount::Routing},
    {"txtAccount", "Account number", &DepositAccount::Account},
};

} // namespace

DialogDeposit::DialogDeposit(std::filesystem::path folder, std::string user, Operator& op, QWidget* parent)
    : TextBoxesDialog(std::move(folder), op, parent, "DialogDeposit", QStringLiteral("Direct Deposit: ") + toQt(user),
                      QStringLiteral("The bank account this employee's net pay is deposited into. The payday's "
                                     "deposit file pays it there, and the employee gets a statement but no check."),
                      kBoxes)
    , m_user(std::move(user))
{
    m_boxes[1]->setMaxLength(static_cast<int>(kAccountNumberLength));
    m_kind = named<QComboBox>(this, "cboKind");
    m_kind->addItems({QString::fromLatin1(kChecking), QString::fromLatin1(kSavings)});
    auto* form = qobject_cast<QFormLayout*>(layout()->itemAt(1)->layout());
    form->addRow(QStringLiteral("&Kind of account"), m_kind);
    auto* buttons = findChild<QDialogButtonBox*>();
    QPushButton* byCheck = buttons->addButton(QStringLiteral("Pay by &Check"), QDialogButtonBox::ResetRole);
    byCheck->setObjectName(QStringLiteral("cmdPayByCheck"));
    connect(byCheck, &QPushButton::clicked, this, &DialogDeposit::cmdPayByCheck_Click);

    Employee employee;
    opened(EmployeeStore::openKind(EmployeeFiles(m_folder, m_user), employee, ".dd"));
    const DepositAccount account = employee.deposit.value_or(DepositAccount{});
    showRecord(m_boxes, kBoxes, account);
    m_kind->setCurrentIndex(account.savings() ? 1 : 0);
}

DepositAccount DialogDeposit::shown() const
{
    DepositAccount account = shownRecord(m_boxes, kBoxes);
    account.Kind = m_kind->currentIndex() == 1 ? kSavings : kChecking;
    return account;
}

void DialogDeposit::OKButton_Click()
{
    const DepositAccount account = shown();
    const std::filesystem::path file = EmployeeFiles(m_folder, m_user).path(".dd");
    checkAndSave("deposit account", depositAccountProblems(account), file,
                 [&] { return saveDepositFile(file, account); });
}

void DialogDeposit::cmdPayByCheck_Click()
{
    const std::filesystem::path file = EmployeeFiles(m_folder, m_user).path(".dd");
    if (!m_op.askYesNo("Save?", "Pay " + m_user + " by check from now on? The deposit account is removed."))
        return;
    // The damaged file is kept aside rather than removed; a sound one goes.
    const bool removed = saveUnderLock(m_op, m_folder, file, m_damaged, [&] {
        std::error_code error;
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error)))
            return FileOutcome::done();
        if (std::filesystem::remove(file, error); error)
            return FileOutcome::writeFailed(file, {file.string() + " could not be removed: " + error.message()});
        return FileOutcome::done();
    });
    if (removed)
        accept();
}

} // namespace tallyrin
