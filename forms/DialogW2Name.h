// The W-2 name and address of one employee ("W-2 Name..." in the staff window): first, middle and
// last name, suffix, street, city, state and ZIP, kept in "<user name>.w2n". Without that file the
// boxes start from what the W-2s would read from the profile.
#pragma once

#include "employee/W2Name.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <string>

class QLineEdit;

namespace tallyrin {

class Operator;

class DialogW2Name : public QDialog
{
    Q_OBJECT
public:
    DialogW2Name(std::filesystem::path folder, std::string user, Operator& op, QWidget* parent = nullptr);

    W2Name shown() const;

public slots:
    // Checks the name (every problem in one message, the window stays), then saves the file.
    void OKButton_Click();

private:
    std::filesystem::path m_folder;
    std::string m_user;
    Operator& m_op;
    bool m_damaged = false;
    std::array<QLineEdit*, 8> m_boxes{};
};

} // namespace tallyrin
