#include "forms/DialogW2Name.h"

#include "employee/EmployeeFiles.h"
#include "employee/EmployeeStore.h"
#include "forms/TextBoxesScreen.h"
#include "platform/QtText.h"
#include "text/Operator.h"
#include "text/Words.h"


namespace tallyrin {
namespace {

using Box = TextBox<W2Name>;

constexpr Box kBoxes[] = {
    {"txtFirst", "First name", &W2Name::First},   {"txtMiddle", "Middle name or initial", &W2Name::Middle},
    {"txtLast", "Last name", &W2Name::Last},      {"txtSuffix", "Suffix (JR, SR, II ...)", &W2Name::Suffix},
    {"txtStreet", "Street address", &W2Name::Street}, {"txtCity", "City", &W2Name::City},
    {"txtState", "State (2 letters)", &W2Name::State}, {"txtZip", "ZIP code", &W2Name::Zip},
};
static_assert(std::size(kBoxes) == 8);

} // namespace

DialogW2Name::DialogW2Name(std::filesystem::path folder, std::string user, Operator& op, QWidget* parent)
    : TextBoxesDialog(std::move(folder), op, parent, "DialogW2Name", QStringLiteral("W-2 Name: ") + toQt(user),
                      QStringLiteral("The name and address this employee's W-2 and the W-2 file carry."), kBoxes)
    , m_user(std::move(user))
{
    // The kept file's name; without one, what the W-2s would read from the profile.
    Employee employee;
    const EmployeeFiles files(m_folder, m_user);
    EmployeeStore::openKind(files, employee, ".and");
    opened(EmployeeStore::openKind(files, employee, ".w2n"));
    std::vector<std::string> problems, notes;
    const W2Name name = w2NameOf(employee.profile, employee.w2Name, problems, notes);
    showRecord(m_boxes, kBoxes, name);
}

W2Name DialogW2Name::shown() const
{
    W2Name name = shownRecord(m_boxes, kBoxes);
    for (auto* t : {&name.First, &name.Middle, &name.Last, &name.Suffix, &name.Street, &name.City, &name.State})
        *t = upperCase(*t);
    return name;
}

void DialogW2Name::OKButton_Click()
{
    const W2Name name = shown();
    const std::filesystem::path file = EmployeeFiles(m_folder, m_user).path(".w2n");
    checkAndSave("W-2 name", w2NameProblems(name), file, [&] { return saveW2NameFile(file, name); });
}

} // namespace tallyrin
