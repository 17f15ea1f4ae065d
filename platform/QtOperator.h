// The operator's dialogs on the desktop: message boxes, Yes/No questions, the input box, the file
// chooser and the printer chooser, each modal over the parent window.
#pragma once

#include "text/Operator.h"

#include <QMessageBox>
#include <QPageSize>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <string_view>

class QPrinter;

namespace tallyrin {

// "Saved Files (*.use)|*.use" (description|patterns pairs, patterns split by ';') to Qt's
// "Saved Files (*.use)" (pairs split by ";;", patterns by spaces).
QString qtFileFilter(std::string_view systemFilter);
QMessageBox::Icon qtIcon(Icon icon);
// The system writes message lines joined by "\r\n"; a dialog wants "\n".
QString dialogText(std::string_view text);

class QtOperator : public Operator
{
public:
    explicit QtOperator(QWidget* parent = nullptr);
    ~QtOperator() override;

    // The window the dialogs are modal over (the main form once it exists).
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    QWidget* parentWidget() const { return m_parent; }

    // The folder the file chooser opens in; it follows the folder of the last chosen file.
    void setChooserFolder(const QString& folder) { m_chooserFolder = folder; }
    const QString& chooserFolder() const { return m_chooserFolder; }

    void message(const std::string& text, Icon icon = Icon::None, const std::string& title = {}) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    std::optional<std::string> inputText(const std::string& title, const std::string& prompt) override;
    std::optional<std::string> chooseOpenFile(const std::string& filter) override;
    void openChooserIn(const std::filesystem::path& folder) override { m_chooserFolder = QString::fromStdString(folder.string()); }
    // The printer dialog for a print named `documentName` (its proposed PDF file name too).
    bool choosePrinter(const std::string& documentName) override;

    // The printer last chosen (or the default one before any choice), for the print that follows.
    // Its paper is the one last chosen in a printer dialog this session, US Letter before any
    // choice (the layouts and the check stock are Letter), whatever the queue's default.
    QPrinter& printer();
    // Names the next print: the printer's document name and, after a print to a PDF file,
    // "<name>.pdf" beside that file, so no print proposes or overwrites another print's file.
    void namePrint(const std::string& documentName);
    // After a printer dialog was accepted: its paper stays chosen for the rest of the session.
    void rememberPaper();

private:
    QPointer<QWidget> m_parent;
    QString m_chooserFolder;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPageSize> m_paper;
};

} // namespace tallyrin
