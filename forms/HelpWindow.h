// "He&lp": the help file Tly2k.chm of the working folder, shown at its default topic in a window
// of its own with the table of contents, the index and a word search beside the pages.
#pragma once

#include <QTextBrowser>
#include <QWidget>

#include <filesystem>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace tallyrin {

class ChmArchive;
class Operator;

// A text browser whose pages, pictures and style sheets come from a compiled help file. Pages are
// addressed as "chm:/page.html"; links between pages resolve against the page shown.
class ChmBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit ChmBrowser(QWidget* parent = nullptr);
    void setArchive(const ChmArchive* archive) { m_archive = archive; }
    QVariant loadResource(int type, const QUrl& name) override;

    static QUrl pageUrl(const std::string& archivePath);

private:
    void followLink(const QUrl& link);

    const ChmArchive* m_archive = nullptr;
};

class HelpWindow : public QWidget
{
    Q_OBJECT
protected:
    void showEvent(QShowEvent* event) override;

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Opens `file` at its default topic; false after telling the operator why it cannot (the
    // window then keeps what it showed before).
    bool openHelpFile(const std::filesystem::path& file, Operator& op);
    // Back to the default topic.
    void home();

    ChmBrowser* browser() const { return m_browser; }

private:
    QWidget* buildIndexTab();
    QWidget* buildSearchTab();
    void search();
    void showTopic(const QString& local);
    void fillContents();
    void markContents(const QUrl& page);

    std::unique_ptr<ChmArchive> m_archive;
    ChmBrowser* m_browser;
    QTabWidget* m_tabs;
    QTreeWidget* m_contents;
    QLineEdit* m_indexFilter;
    QListWidget* m_index;
    QLineEdit* m_searchText;
    QLabel* m_searchNote;
    QListWidget* m_results;
};

// "He&lp": opens <working folder>/Tly2k.chm in the help window of `parent` (made on first use and
// kept for later ones) and brings it to the front. nullptr after telling the operator that the
// help file is missing or unreadable.
HelpWindow* showHelp(const std::filesystem::path& workingFolder, Operator& op, QWidget* parent);

} // namespace tallyrin
