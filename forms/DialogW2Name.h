// The W-2 name and address of one employee ("W-2 Name..." in the staff window): first, middle and
// last name, suffix, street, city, state and ZIP, kept in "<user name>.w2n". Without that file the
// boxes start from what the W-2s would read from the profile.
#pragma once

#include "employee/W2Name.h"

#include "forms/TextBoxesScreen.h"

#include <array>
#include <filesystem>
#include <string>

class QLineEdit;

namespace tallyrin {

class Operator;

class DialogW2Name : public TextBoxesDialog<W2Name, 8>
{
    Q_OBJECT
public:
    DialogW2Name(std::filesystem::path folder, std::string user, Operator& op, QWidget* parent = nullptr);

    W2Name shown() const;

public slots:
    // Checks the name (every problem in one message, the window stays), then saves the file.
    void OKButton_Click() override;

private:
    std::string m_user;
};

} // namespace tallyrin
