// The help window: Tly2k.chm of the working folder opens at its default topic, links and the
// contents lead to other pages of the file, pictures come from the file, and a missing or
// damaged help file is reported to the operator.
#include "forms/HelpWindow.h"

#include "forms/FormsTestRegistry.h"
#include "platform/ChmHelp.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

namespace tallyrin {

namespace {

void writeFile(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Clicks the middle of the first occurrence of `text` in the page the browser shows.
void clickText(QTextBrowser* browser, const QString& text)
{
    QTextCursor found = browser->document()->find(text);
    QVERIFY2(!found.isNull(), qPrintable(text));
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    const QPoint at = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempFolder> m_folder;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<QWidget> m_main; // stands for the main form that owns the help window

    // The help file this build compiled, copied into the working folder as first start does.
    bool copyBuiltHelp()
    {
        if (!std::filesystem::exists(BUILT_HELP_FILE))
            return false;
        std::filesystem::copy_file(BUILT_HELP_FILE, *m_folder / "Tly2k.chm");
        return true;
    }

#ifdef CHMCMD_PROGRAM
    // A help file of our own: its default topic in a subfolder, a picture and a nested contents.
    std::filesystem::path compileOwnHelp()
    {
        const auto src = *m_folder / "src";
        writeFile(src / "Own.hhp", "[OPTIONS]\nCompiled file=Own.chm\nContents file=toc.hhc\n"
                                   "Default topic=pages/start.html\nTitle=Own Help\n\n"
                                   "[FILES]\npages/start.html\npages/next.html\npages/dot.png\n");
        writeFile(src / "pages/start.html", "<html><head><title>Start page</title></head><body><h1>Start</h1>"
                                            "<p><img src=\"dot.png\"> <a href=\"next.html\">Next page</a></p>"
                                            "</body></html>");
        writeFile(src / "pages/next.html", "<html><head><title>Next page</title></head><body>Next</body></html>");
        writeFile(src / "toc.hhc",
                  "<HTML><BODY><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Start\">"
                  "<param name=\"Local\" value=\"pages/start.html\"></OBJECT><UL><LI>"
                  "<OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Next &amp; last\">"
                  "<param name=\"Local\" value=\"pages/next.html\"></OBJECT></UL></UL></BODY></HTML>");
        QImage dot(20, 10, QImage::Format_RGB32);
        dot.fill(Qt::red);
        dot.save(QString::fromStdString((src / "pages/dot.png").string()));
        QProcess chmcmd;
        chmcmd.setWorkingDirectory(QString::fromStdString(src.string()));
        chmcmd.start(QStringLiteral(CHMCMD_PROGRAM), {QStringLiteral("--no-html-scan"), QStringLiteral("Own.hhp")});
        chmcmd.waitForFinished(30000);
        return src / "Own.chm";
    }
#endif

private slots:
    void init()
    {
        m_folder = std::make_unique<TempFolder>();
        m_dialogs.log.clear();
        m_main = std::make_unique<QWidget>();
    }

    void cleanup()
    {
        m_main.reset();
        m_folder.reset();
    }

    void opensAtTheDefaultTopic()
    {
        if (!copyBuiltHelp())
            QSKIP("this build has no help compiler");
        HelpWindow* help = showHelp(m_folder->path(), m_dialogs, m_main.get());
        QVERIFY(help);
        QVERIFY(m_dialogs.log.empty());
        QVERIFY(help->isVisible());
        // The window opens within the screen's free area.
        QVERIFY2(help->screen()->availableGeometry().contains(help->frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2+%3+%4")
                                .arg(help->frameGeometry().width())
                                .arg(help->frameGeometry().height())
                                .arg(help->frameGeometry().x())
                                .arg(help->frameGeometry().y())));
        QCOMPARE(help->browser()->source().path(), QStringLiteral("/index.html"));
        QCOMPARE(help->browser()->documentTitle(), QStringLiteral("Tallyrin 2009"));
        QCOMPARE(help->windowTitle(), QStringLiteral("Tallyrin 2009 Help"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("calculates the pay of one employee")));

        auto* contents = help->findChild<QTreeWidget*>(QStringLiteral("helpContents"));
        QCOMPARE(contents->topLevelItemCount(), 20);
        QCOMPARE(contents->topLevelItem(3)->text(0), QStringLiteral("State Tax"));

        // "He&lp" again uses the same window.
        QCOMPARE(showHelp(m_folder->path(), m_dialogs, m_main.get()), help);
    }

    void linksAndContentsLeadToOtherPages()
    {
        if (!copyBuiltHelp())
            QSKIP("this build has no help compiler");
        HelpWindow* help = showHelp(m_folder->path(), m_dialogs, m_main.get());
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        ChmBrowser* browser = help->browser();

        auto* contents = help->findChild<QTreeWidget*>(QStringLiteral("helpContents"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Welcome"));

        clickText(browser, QStringLiteral("User Info: the employee profile"));
        QCOMPARE(browser->source().path(), QStringLiteral("/profile.html"));
        QCOMPARE(browser->documentTitle(), QStringLiteral("User Info: the employee profile"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("User Info (the employee profile)"));

        browser->backward();
        QCOMPARE(browser->source().path(), QStringLiteral("/index.html"));

        QTreeWidgetItem* state = contents->topLevelItem(3);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(state).center());
        QCOMPARE(browser->source().path(), QStringLiteral("/state.html"));

        help->home();
        QCOMPARE(browser->source().path(), QStringLiteral("/index.html"));
    }

    // The shipped help: every page is in the contents, every link leads to a page of the file,
    // and the file carries an index and the data a viewer's full-text search reads.
    void shippedHelpIsWholeWithIndexAndSearchData()
    {
        if (!copyBuiltHelp())
            QSKIP("this build has no help compiler");
        const auto archive = ChmArchive::open(*m_folder / "Tly2k.chm");
        QVERIFY(archive);
        QVERIFY(archive->read("/$FIftiMain").has_value());
        QVERIFY(archive->read("/$WWKeywordLinks/BTree").has_value());
        std::set<std::string> inContents;
        for (const ContentsEntry& e : archive->contents())
            inContents.insert(archivePath(e.local));
        for (const ContentsEntry& e : archive->index())
            QVERIFY2(archive->read(e.local).has_value(), e.local.c_str());
        QVERIFY(archive->index().size() > 40);
        std::ifstream project(std::filesystem::path(HELP_SOURCE_DIR) / "Tly2k.hhp");
        std::string line;
        bool inFiles = false;
        int pages = 0;
        while (std::getline(project, line)) {
            if (line.starts_with('['))
                inFiles = line == "[FILES]";
            else if (inFiles && line.ends_with(".html")) {
                ++pages;
                QVERIFY2(inContents.count(archivePath(line)), line.c_str());
                const std::string html = archive->read(line).value_or("");
                for (std::size_t at = 0; (at = html.find("href=\"", at)) != std::string::npos;) {
                    at += 6;
                    const std::string target = html.substr(at, html.find('"', at) - at);
                    QVERIFY2(archive->read(target).has_value(), (line + " -> " + target).c_str());
                }
            }
        }
        QCOMPARE(pages, 20);
    }

    // The Index tab goes to a keyword as it is typed and shows its topic; the Search tab lists the
    // topics holding every word typed.
    void indexAndSearchLeadToTheirTopics()
    {
        if (!copyBuiltHelp())
            QSKIP("this build has no help compiler");
        HelpWindow* help = showHelp(m_folder->path(), m_dialogs, m_main.get());
        QVERIFY(help);
        auto* filter = help->findChild<QLineEdit*>(QStringLiteral("helpIndexFilter"));
        auto* index = help->findChild<QListWidget*>(QStringLiteral("helpIndex"));
        QVERIFY(filter && index);
        QTest::keyClicks(filter, QStringLiteral("hours"));
        QCOMPARE(index->currentItem()->text(), QStringLiteral("Hours sheet"));
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(help->browser()->source().path(), QStringLiteral("/payday.html"));

        auto* words = help->findChild<QLineEdit*>(QStringLiteral("helpSearchText"));
        auto* results = help->findChild<QListWidget*>(QStringLiteral("helpResults"));
        auto* note = help->findChild<QLabel*>(QStringLiteral("helpSearchNote"));
        QVERIFY(words && results && note);
        QTest::keyClicks(words, QStringLiteral("Rolling YEAR"));
        QTest::keyClick(words, Qt::Key_Return);
        QCOMPARE(results->count(), 1);
        QCOMPARE(note->text(), QStringLiteral("1 topic found."));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualItemRect(results->item(0)).center());
        QCOMPARE(help->browser()->source().path(), QStringLiteral("/overtime.html"));
        // Words side by side rank their topic first.
        words->setText(QStringLiteral("hours sheet"));
        QTest::keyClick(words, Qt::Key_Return);
        QVERIFY(results->count() > 1);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Payday Run: the whole staff from an hours sheet"));
        // The state screen's topic covers each built-in state and "Spouse Works".
        for (const char* word : {"Missouri", "spouse", "Oregon", "Kentucky"}) {
            words->setText(QString::fromLatin1(word));
            QTest::keyClick(words, Qt::Key_Return);
            QVERIFY2(results->count() >= 1, word);
            QCOMPARE(results->item(0)->text(), QStringLiteral("State Tax"));
        }
        words->setText(QStringLiteral("zebra"));
        QTest::keyClick(words, Qt::Key_Return);
        QCOMPARE(results->count(), 0);
        QCOMPARE(note->text(), QStringLiteral("No topic holds these words."));
    }

    void readsOnlyFromTheHelpFile()
    {
        if (!copyBuiltHelp())
            QSKIP("this build has no help compiler");
        writeFile(*m_folder / "secret.html", "<html><body>secret</body></html>");
        HelpWindow* help = showHelp(m_folder->path(), m_dialogs, m_main.get());
        QVERIFY(help);
        const QUrl local = QUrl::fromLocalFile(QString::fromStdString((*m_folder / "secret.html").string()));
        QVERIFY(!help->browser()->loadResource(QTextDocument::HtmlResource, local).isValid());
        QVERIFY(!help->browser()->loadResource(QTextDocument::HtmlResource, QUrl("../secret.html")).isValid());
        QVERIFY(help->browser()->loadResource(QTextDocument::HtmlResource, QUrl("files.html")).isValid());
    }

    void missingHelpFileIsReported()
    {
        QVERIFY(!showHelp(m_folder->path(), m_dialogs, m_main.get()));
        const auto messages = m_dialogs.messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages[0]), QStringLiteral("The help file Tly2k.chm was not found in %1.")
                                                          .arg(QString::fromStdString(m_folder->path().string())));
        QVERIFY(!m_main->findChild<HelpWindow*>());
    }

    void damagedHelpFileIsReported()
    {
        writeFile(*m_folder / "Tly2k.chm", "<html>not a compiled help file</html>");
        QVERIFY(!showHelp(m_folder->path(), m_dialogs, m_main.get()));
        const auto messages = m_dialogs.messages();
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages[0]), QStringLiteral("The help file Tly2k.chm in %1 could not be read.")
                                                          .arg(QString::fromStdString(m_folder->path().string())));
    }

    void defaultTopicPicturesAndContentsComeFromTheFile()
    {
#ifndef CHMCMD_PROGRAM
        QSKIP("this build has no help compiler");
#else
        const auto file = compileOwnHelp();
        auto archive = ChmArchive::open(file);
        QVERIFY(archive);
        QCOMPARE(QString::fromStdString(archive->defaultTopic()), QStringLiteral("/pages/start.html"));
        QCOMPARE(QString::fromStdString(archive->title()), QStringLiteral("Own Help"));
        const auto contents = archive->contents();
        QCOMPARE(contents.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(contents[1].name), QStringLiteral("Next & last"));
        QCOMPARE(contents[1].depth, 1);

        HelpWindow help;
        QVERIFY(help.openHelpFile(file, m_dialogs));
        ChmBrowser* browser = help.browser();
        QCOMPARE(browser->source().path(), QStringLiteral("/pages/start.html"));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Start page"));
        // The picture beside the link is the 20 x 10 image stored in the file.
        const QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl("dot.png"));
        QImage image;
        QVERIFY(image.loadFromData(picture.toByteArray()));
        QCOMPARE(image.size(), QSize(20, 10));
        // A relative link resolves inside the page's own folder.
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        clickText(browser, QStringLiteral("Next page"));
        QCOMPARE(browser->source().path(), QStringLiteral("/pages/next.html"));
        auto* tree = help.findChild<QTreeWidget*>(QStringLiteral("helpContents"));
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Next & last"));
#endif
    }
};

TALLYRIN_FORMS_TEST(HelpWindowTest);

} // namespace tallyrin

#include "HelpWindowTest.moc"
