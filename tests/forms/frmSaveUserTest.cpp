// The save screen's binding: it opens on the workspace's name text with the whole text selected,
// typing reaches the workspace, and "&Save", "&No", "&Quit" and the close box each reach the
// workspace exactly once and close the screen.
#include "forms/frmSaveUser.h"

#include "forms/FormsFixture.h"
#include "forms/FormsTestRegistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <memory>

namespace tallyrin {

namespace {

// The windows around the save screen, counting what the workspace asks of them. `closeAll`
// closes the save screen too, as a shell that closes every window would.
class CountingWindows : public ShellWindows
{
public:
    int secondaryClosed = 0;
    int ended = 0;
    QWidget* closeAlso = nullptr;

    void showSaveUser() override {} // the test shows the save screen itself
    void closeSecondaryScreens() override
    {
        ++secondaryClosed;
        if (closeAlso)
            closeAlso->close();
    }
    void endApplication() override
    {
        ++ended;
        if (closeAlso)
            closeAlso->close();
    }
};

} // namespace

class frmSaveUserTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testing::FormsWorkspace> m_fixture;
    CountingWindows m_windows;
    std::unique_ptr<frmSaveUser> m_form;

    Workspace& ws() { return *m_fixture->ws; }
    QLineEdit* name() { return m_form->findChild<QLineEdit*>(QStringLiteral("txtSaveUser")); }
    QPushButton* button(const char* objectName)
    {
        return m_form->findChild<QPushButton*>(QString::fromLatin1(objectName));
    }
    void open()
    {
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    bool written(const std::string& user) const { return std::filesystem::exists(m_fixture->folder / (user + ".use")); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<testing::FormsWorkspace>();
        m_windows = CountingWindows{};
        ws().setWindows(m_windows);
        ws().startUp();
        m_form = std::make_unique<frmSaveUser>(ws());
    }

    void cleanup()
    {
        m_form.reset();
        m_fixture.reset();
    }

    void opensOnTheNameWhollySelected()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Save User"));
        QVERIFY(m_form->isModal());
        QCOMPARE(button("cmdSaveUser")->text(), QStringLiteral("&Save"));
        QCOMPARE(button("cmdEnd")->text(), QStringLiteral("&No"));
        QCOMPARE(button("cmdQuit")->text(), QStringLiteral("&Quit"));

        ws().txtSaveUser = "Smith";
        open();
        QCOMPARE(name()->text(), QStringLiteral("Smith"));
        QVERIFY(name()->hasFocus());
        QCOMPARE(name()->selectedText(), QStringLiteral("Smith"));
    }

    void saveWritesUnderTheTypedNameAndCloses()
    {
        ws().txtSaveUser = "TYPE NAME";
        open();
        QTest::keyClicks(name(), QStringLiteral("Jones")); // replaces the selected text
        QCOMPARE(ws().txtSaveUser, std::string("Jones"));
        QTest::mouseClick(button("cmdSaveUser"), Qt::LeftButton);

        QVERIFY(written("Jones"));
        QCOMPARE(ws().userName(), std::string("Jones"));
        QCOMPARE(ws().form1.caption, std::string("Jones"));
        QCOMPARE(m_windows.secondaryClosed, 1);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_form->result(), int(QDialog::Accepted));
    }

    void refusedNameKeepsTheScreenOpen()
    {
        open();
        QTest::keyClicks(name(), QStringLiteral("../Jones"));
        QTest::mouseClick(button("cmdSaveUser"), Qt::LeftButton);
        QCOMPARE(m_fixture->dialogs.messages().size(), std::size_t{1});
        QVERIFY(m_form->isVisible());
        QVERIFY(!std::filesystem::exists(m_fixture->folder.path().parent_path() / "Jones.use"));
        QCOMPARE(name()->selectedText(), QStringLiteral("../Jones"));

        QTest::keyClicks(name(), QStringLiteral("Jones"));
        QTest::keyClick(name(), Qt::Key_Return); // Enter in the box saves
        QVERIFY(written("Jones"));
        QVERIFY(!m_form->isVisible());
    }

    void noClosesWithoutSaving()
    {
        ws().txtSaveUser = "Smith";
        open();
        QTest::mouseClick(button("cmdEnd"), Qt::LeftButton);
        QVERIFY(!written("Smith"));
        QCOMPARE(m_windows.secondaryClosed, 1);
        QCOMPARE(m_windows.ended, 0);
        QVERIFY(!ws().quitRequested());
        QVERIFY(!m_form->isVisible());
    }

    void closeBoxAndEscapeAreNo()
    {
        ws().txtSaveUser = "Smith";
        open();
        m_form->close();
        QCOMPARE(m_windows.secondaryClosed, 1);
        QVERIFY(!m_form->isVisible());

        open();
        QTest::keyClick(name(), Qt::Key_Escape);
        QCOMPARE(m_windows.secondaryClosed, 2);
        QVERIFY(!m_form->isVisible());
        QVERIFY(!written("Smith"));
    }

    void quitEndsWithoutSaving()
    {
        ws().txtSaveUser = "Smith";
        open();
        QTest::mouseClick(button("cmdQuit"), Qt::LeftButton);
        QVERIFY(ws().quitRequested());
        QCOMPARE(m_windows.ended, 1);
        QCOMPARE(m_windows.secondaryClosed, 1);
        QVERIFY(!written("Smith"));
        QVERIFY(!m_form->isVisible());
    }

    void windowsClosedByTheWorkspaceAreNotASecondNo()
    {
        m_windows.closeAlso = m_form.get();
        ws().txtSaveUser = "Smith";
        open();
        QTest::mouseClick(button("cmdQuit"), Qt::LeftButton);
        QCOMPARE(m_windows.secondaryClosed, 1);
        QCOMPARE(m_windows.ended, 1);

        open();
        QTest::mouseClick(button("cmdSaveUser"), Qt::LeftButton);
        QVERIFY(written("Smith"));
        QCOMPARE(m_windows.secondaryClosed, 2);
        QVERIFY(!m_form->isVisible());
    }
};

TALLYRIN_FORMS_TEST(frmSaveUserTest);

} // namespace tallyrin

#include "frmSaveUserTest.moc"
