// The layout of a screen of captioned text boxes: a note, one box a row in the table's order, and
// OK and Cancel (Cancel closes; OK calls the screen's own check-and-save).
#pragma once

#include <QDialog>
#include "platform/QtText.h"

#include <QLineEdit>

#include "text/FileOutcome.h"
#include "text/Operator.h"

#include <array>
#include <filesystem>
#include <functional>

namespace tallyrin {

// Lays the note and the boxes out on `dialog`; `names[i]` and `captions[i]` name and caption box i.
void layOutTextBoxes(QDialog* dialog, const QString& note, QLineEdit* const* boxes, const char* const* names,
                     const char* const* captions, size_t count, const std::function<void()>& ok);

// One box of a record's text field: its object name, its caption and the field it shows.
template <class Record> struct TextBox
{
    const char* name;
    const char* caption;
    std::string Record::*field;
};

template <class Record, size_t N>
void showRecord(const std::array<QLineEdit*, N>& boxes, const TextBox<Record> (&table)[N], const Record& record)
{
    for (size_t i = 0; i < N; ++i)
        boxes[i]->setText(toQt(record.*table[i].field));
}

// The record as the boxes hold it, each text trimmed.
template <class Record, size_t N>
Record shownRecord(const std::array<QLineEdit*, N>& boxes, const TextBox<Record> (&table)[N])
{
    Record record;
    for (size_t i = 0; i < N; ++i)
        record.*table[i].field = toStd(boxes[i]->text().trimmed());
    return record;
}

// Writes the one file a screen of text boxes keeps, under the working folder's lock. A file that
// could not be read when the screen opened (`damaged`) is kept aside first. False, after telling
// the operator why, when nothing was written.
bool saveUnderLock(Operator& op, const std::filesystem::path& folder, const std::filesystem::path& file, bool damaged,
                   const std::function<FileOutcome()>& save);

// The problems as one message: one a line.
std::string problemLines(const std::vector<std::string>& problems);

template <class Box, size_t N>
void layOutTextBoxes(QDialog* dialog, const QString& note, std::array<QLineEdit*, N>& boxes, const Box (&table)[N],
                     const std::function<void()>& ok)
{
    std::array<const char*, N> names{}, captions{};
    for (size_t i = 0; i < N; ++i) {
        boxes[i] = new QLineEdit(dialog);
        names[i] = table[i].name;
        captions[i] = table[i].caption;
    }
    layOutTextBoxes(dialog, note, boxes.data(), names.data(), captions.data(), N, ok);
}

// A window of one record's text boxes kept in one file of the working folder: the layout, the
// operator, whether the file could not be read when the window opened, and OK's check and save.
template <class Record, size_t N> class TextBoxesDialog : public QDialog
{
public:
    // Checks what the boxes hold, then saves it.
    virtual void OKButton_Click() = 0;

protected:
    TextBoxesDialog(std::filesystem::path folder, Operator& op, QWidget* parent, const char* name, const QString& title,
                    const QString& note, const TextBox<Record> (&table)[N])
        : QDialog(parent)
        , m_folder(std::move(folder))
        , m_op(op)
    {
        setObjectName(QString::fromLatin1(name));
        setWindowTitle(title);
        layOutTextBoxes(this, note, m_boxes, table, [this] { OKButton_Click(); });
    }

    // The file's outcome on opening: a damaged file is told, and kept aside before it is replaced.
    void opened(const FileOutcome& read)
    {
        if (!read.failed())
            return;
        m_damaged = true;
        m_op.message(read.message(), Icon::Exclamation);
    }

    // The problems of `what` in one message (nothing saved, the window stays), otherwise `save` of
    // `file` under the folder's lock, and the window closes.
    void checkAndSave(const std::string& what, const std::vector<std::string>& problems,
                      const std::filesystem::path& file, const std::function<FileOutcome()>& save)
    {
        if (!problems.empty()) {
            m_op.message("In the " + what + ", " + problemLines(problems) + ".\r\nNothing was saved.",
                         Icon::Exclamation);
            return;
        }
        if (!saveUnderLock(m_op, m_folder, file, m_damaged, save))
            return;
        m_damaged = false;
        accept();
    }

    std::filesystem::path m_folder;
    Operator& m_op;
    bool m_damaged = false;
    std::array<QLineEdit*, N> m_boxes{};
};

} // namespace tallyrin
