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

} // namespace tallyrin
