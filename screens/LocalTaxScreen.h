// What the city and the non-city screens share: the screen loads once (empty boxes, its file, the
// defaults into the boxes still empty, then the boxes into the settings), shows, closes dropping
// its texts, and "&SAVE" (fill the empty boxes, copy them into the settings, write the file,
// close; a box that is not a number says so and nothing is saved). Each screen gives its boxes,
// its file and its defaults; the settings they show and save are held here.
#pragma once

#include "employee/EmployeeFiles.h"
#include "local/LocalFiles.h"
#include "text/FileOutcome.h"
#include "text/Operator.h"
#include "text/SystemMessages.h"

namespace tallyrin {

template <class Screen, class Settings> class LocalTaxScreen
{
public:
    // `settings` are the open employee's.
    LocalTaxScreen(Settings& settings, Operator& op, const EmployeeFiles& files)
        : m_op(op)
        , m_files(files)
        , m_settings(settings)
    {
    }

    bool loaded() const { return m_loaded; }
    bool visible() const { return m_visible; }

    // Loads the screen unless it is loaded already. A loaded screen keeps its texts.
    void Form_Load()
    {
        if (m_loaded)
            return;
        m_loaded = true;
        screen().clearBoxes();
        screen().loadFile();
        screen().fillEmptyBoxes();
        screen().copyScreenToSettings();
    }
    // Form_Load, then the screen is shown.
    void show()
    {
        Form_Load();
        m_visible = true;
    }
    // Closes the screen: its texts are dropped; the settings stay as they are.
    void Unload()
    {
        m_loaded = false;
        m_visible = false;
        screen().clearBoxes();
    }
    // Returns whether the screen closed.
    bool OKButton_Click()
    {
        screen().fillEmptyBoxes();
        if (!screen().copyScreenToSettings()) {
            m_op.message(messages::kNonNumber);
            return false;
        }
        if (const FileOutcome result = screen().saveFile(); result.failed())
            m_op.message(result.message());
        Unload();
        return true;
    }

protected:
    // Writes the settings to the screen's file, "<user name>" with its extension.
    FileOutcome saveFile() const { return saveLocalFile(m_files.path(Screen::kExtension), m_settings); }

    Operator& m_op;
    const EmployeeFiles& m_files;
    Settings& m_settings;
    bool m_loaded = false;
    bool m_visible = false;

private:
    Screen& screen() { return static_cast<Screen&>(*this); }
};

} // namespace tallyrin
