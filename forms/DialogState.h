// The state settings screen "Biweekly State Tax", bound to a DialogStateScreen: typing goes into
// the screen model, the buttons call its operations, and the widgets show what it holds.
#pragma once

#include "state/DialogStateScreen.h"

#include <QDialog>

#include <array>
#include <string>
#include <utility>
#include <vector>

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

public slots:
    void OKButton_Click();
    void CancelButton_Click();
    void reject() override; // the window's close box and Esc cancel too

private:
    // A box of the Single table (inFrame1) is greyed with its frame too.
    QLineEdit* numericBox(const QString& name, std::string& field, bool* enabled = nullptr, bool inFrame1 = false);
    // A column heading; the table headings are among those the Missouri preset greys.
    QLabel* heading(QLabel* label, bool tableHeading);
    QCheckBox* checkBox(const char* name, const char* caption, bool& field,
                        void (DialogStateScreen::*click)() = nullptr);
    QLabel* label(const char* name, const QString& caption);
    QLabel* label(const char* name, const std::string& field);
    void buttonClicked(void (DialogStateScreen::*operation)());

    DialogStateScreen& m_screen;

    struct BoundBox
    {
        QLineEdit* box;
        std::string* text;
        bool* enabled;
        bool inFrame1;
    };
    std::vector<BoundBox> m_boxes;
    std::vector<std::pair<QCheckBox*, bool*>> m_checks;
    std::vector<std::pair<QLabel*, const std::string*>> m_labels;
    QCheckBox* m_ckSpouse = nullptr;
    std::vector<QLabel*> m_biweeklyLabels; // Label19, Label20, Label21
    std::vector<QLabel*> m_headings;       // Label1-6, Label8-11, Label19, Label20

};

} // namespace tallyrin
