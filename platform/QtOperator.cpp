#include "platform/QtOperator.h"

#include "platform/DialogOwner.h"
#include "platform/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>

namespace tallyrin {

namespace {

QString titleOrApplicationName(const std::string& title)
{
    return title.empty() ? QCoreApplication::applicationName() : toQt(title);
}

} // namespace

QString qtFileFilter(std::string_view systemFilter)
{
    const QStringList parts = toQt(systemFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        if (i + 1 >= parts.size()) {
            // A description without patterns: Qt reads the patterns from its parentheses, if any.
            if (!description.isEmpty())
                filters << description;
            break;
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (auto& p : patterns)
            p = p.trimmed();
        const QString joined = patterns.join(QLatin1Char(' '));
        // Qt takes the patterns from the last parentheses of the description.
        if (description.endsWith(QLatin1Char('(') + joined + QLatin1Char(')')))
            filters << description;
        else if (description.isEmpty())
            filters << joined;
        else
            filters << description + QStringLiteral(" (") + joined + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString dialogText(std::string_view text)
{
    QString out = toQt(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QtOperator::QtOperator(QWidget* parent)
    : m_parent(parent)
{
}

QtOperator::~QtOperator() = default;

void QtOperator::message(const std::string& text, Icon icon, const std::string& title)
{
    const DialogOwner owner(askingWindow(m_parent));
    QMessageBox box(qtIcon(icon), titleOrApplicationName(title), dialogText(text), QMessageBox::Ok, owner.window());
    box.setTextFormat(Qt::PlainText); // file names and figures are never markup
    box.exec();
}

bool QtOperator::askYesNo(const std::string& title, const std::string& text)
{
    const DialogOwner owner(askingWindow(m_parent));
    QMessageBox box(QMessageBox::Question, titleOrApplicationName(title), dialogText(text),
                    QMessageBox::Yes | QMessageBox::No, owner.window());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtOperator::inputText(const std::string& title, const std::string& prompt)
{
    const DialogOwner owner(askingWindow(m_parent));
    QInputDialog dialog(owner.window());
    dialog.setWindowTitle(titleOrApplicationName(title));
    dialog.setLabelText(dialogText(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return toStd(dialog.textValue());
}

std::optional<std::string> QtOperator::chooseOpenFile(const std::string& filter)
{
    const DialogOwner owner(askingWindow(m_parent));
    QFileDialog dialog(owner.window(), QString(), m_chooserFolder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(filter)); // the first filter is selected
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    m_chooserFolder = QFileInfo(chosen).absolutePath();
    return toStd(chosen);
}

void QtOperator::namePrint(const std::string& documentName)
{
    QPrinter& chosen = printer();
    chosen.setDocName(toQt(documentName));
    if (!chosen.outputFileName().isEmpty())
        chosen.setOutputFileName(
            QDir(QFileInfo(chosen.outputFileName()).absolutePath()).filePath(toQt(documentName) + ".pdf"));
}

bool QtOperator::choosePrinter(const std::string& documentName)
{
    // Before any print to a PDF file the dialog proposes "<name>.pdf" itself from the document name.
    namePrint(documentName);
    const DialogOwner owner(askingWindow(m_parent));
    QPrintDialog dialog(&printer(), owner.window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    rememberPaper();
    return true;
}

QPrinter& QtOperator::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_paper)
        m_paper = std::make_unique<QPageSize>(QPageSize::Letter);
    // A printer dialog or the queue may have put its own default paper in; the session's stays.
    if (!m_printer->pageLayout().pageSize().isEquivalentTo(*m_paper))
        m_printer->setPageSize(*m_paper);
    return *m_printer;
}

void QtOperator::rememberPaper()
{
    if (m_printer)
        m_paper = std::make_unique<QPageSize>(m_printer->pageLayout().pageSize());
}

} // namespace tallyrin
