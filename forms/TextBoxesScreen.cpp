#include "forms/TextBoxesScreen.h"

#include "text/FileStore.h"
#include "text/FolderLock.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrin {

void layOutTextBoxes(QDialog* dialog, const QString& note, QLineEdit* const* boxes, const char* const* names,
                     const char* const* captions, size_t count, const std::function<void()>& ok)
{
    auto* layout = new QVBoxLayout(dialog);
    auto* said = new QLabel(note, dialog);
    said->setWordWrap(true);
    layout->addWidget(said);
    auto* form = new QFormLayout;
    for (size_t i = 0; i < count; ++i) {
        boxes[i]->setObjectName(QString::fromLatin1(names[i]));
        form->addRow(QString::fromLatin1(captions[i]), boxes[i]);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, ok);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

bool saveUnderLock(Operator& op, const std::filesystem::path& folder, const std::filesystem::path& file, bool damaged,
                   const std::function<FileOutcome()>& save)
{
    std::string busy;
    const auto lock = FolderLock::acquire(folder, &busy);
    if (!lock) {
        op.message(busy + "\r\nNothing was saved.", Icon::Exclamation);
        return false;
    }
    if (damaged && fileExists(file)) {
        const FileOutcome kept = keepAside(file);
        if (!kept.message().empty())
            op.message(kept.message(), kept.failed() ? Icon::Exclamation : Icon::Information);
        if (kept.failed())
            return false;
    }
    const FileOutcome saved = save();
    if (saved.failed())
        op.message(saved.message(), Icon::Exclamation);
    return !saved.failed();
}

std::string problemLines(const std::vector<std::string>& problems)
{
    std::string text;
    for (const std::string& p : problems)
        text += (text.empty() ? "" : "\r\n") + p;
    return text;
}

} // namespace tallyrin
