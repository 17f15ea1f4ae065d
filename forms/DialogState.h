// The state settings screen "Biweekly State Tax", bound to a DialogStateScreen: typing goes into
// the screen model, the buttons call its operations, and the widgets show what it holds.
#pragma once

#include "platform/FormBinding.h"
#include "screens/DialogStateScreen.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tallyrin {

class DialogState : public QDialog
{
    Q_OBJECT
public:
    // The caller opens the screen model (DialogStateScreen::open) before showing the form.
    explicit DialogState(DialogStateScreen& screen, QWidget* parent = nullptr);

    // Copies every text, check state, caption and enabled state of the model into the widgets.
    void showScreen();
    // A check box's click: the screen's follow-up (when it has one), then the screen shown again.
    void runFollowUp(void (DialogStateScreen::*click)());

public slots:
    void OKButton_Click();
    void CancelButton_Click();
    void reject() override; // the window's close box and Esc cancel too

private:
    // A box of the Single table (inFrame1) is greyed with its frame too.
    QLineEdit* numericBox(const QString& name, std::string& field, const bool* enabled = nullptr, bool inFrame1 = false);
    // A column heading; the table headings are among those the Missouri preset greys.
    QLabel* heading(QLabel* label, bool tableHeading);
    QCheckBox* checkBox(const char* name, const char* caption, bool& field,
                        void (DialogStateScreen::*click)() = nullptr);
    QLabel* label(const char* name, const QString& caption);
    QLabel* label(const char* name, const std::string& field);
    void buttonClicked(void (DialogStateScreen::*operation)());

    DialogStateScreen& m_screen;
    FormBinding m_binding;
};

} // namespace tallyrin
