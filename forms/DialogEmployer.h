// Options > Employer...: the employer's filing facts kept in "Employer.sav" (the EIN, name and
// address, the state account, the SSA User ID and contact, the direct-deposit company ID and
// bank), with OK and Cancel. A folder without the file starts from the company header.
#pragma once

#include "employee/EmployerFacts.h"

#include "forms/TextBoxesScreen.h"

#include <array>
#include <filesystem>

class QLineEdit;

namespace tallyrin {

class Operator;

class DialogEmployer : public TextBoxesDialog<EmployerFacts, 15>
{
    Q_OBJECT
public:
    DialogEmployer(std::filesystem::path folder, Operator& op, QWidget* parent = nullptr);

    // The facts the boxes show.
    EmployerFacts shown() const;

public slots:
    // Checks the facts (every problem in one message, the window stays), then saves the file.
    void OKButton_Click() override;
};

} // namespace tallyrin
