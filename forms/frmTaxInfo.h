// The profile screen "User Info": rates, statuses, exemptions, deductions and the check address,
// bound to the workspace's TaxInfoScreen. Save applies and writes the profile; Close drops edits.
#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tallyrin {

class FormBinding;
class Workspace;

class frmTaxInfo : public QDialog
{
    Q_OBJECT
public:
    explicit frmTaxInfo(Workspace& ws, QWidget* parent = nullptr);

    // Form_Load: the workspace fills the screen model from the profile; the widgets show it.
    void load();
    // Copies every text and state of the screen model into the widgets.
    void showScreen();

public slots:
    void cmdOk_Click();
    void Command1_Click();

private:
    QLineEdit* textBox(const char* name, std::string& field, bool numeric);
    QCheckBox* checkBox(const char* name, const QString& caption, bool& field);
    QComboBox* comboBox(const char* name, const QStringList& items, std::string& field);
    void kPlanClicked(bool percent);

    Workspace& m_ws;
    FormBinding* m_binding;
};

} // namespace tallyrin
