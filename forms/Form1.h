// The main pay form: the eight entry fields, the result labels and the menus. It binds its widgets
// to the workspace's Form1Screen and calls the workspace for every command.
#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tallyrin {

class Workspace;

class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(Workspace& ws, QWidget* parent = nullptr);

    // Copies every text, option and label of the screen model into the widgets.
    void showScreen();

public slots:
    void cmdCal_Click();
    void cmdClear_Click();
    void mnuTaxInfoItem_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildEntries();
    QWidget* buildResults();
    void buildMenus();
    QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption);
    QLabel* resultLabel(const QString& name);
    // Copies the boxes, options and check box into the screen model.
    void readBoxes();
    void focusAmount(int index);

    Workspace& m_ws;
    bool m_showing = false;

    QLineEdit* m_txtWeek = nullptr;
    std::array<QLineEdit*, 8> m_txtAmount{};
    QRadioButton* m_opt1x = nullptr;
    QRadioButton* m_opt2x = nullptr;
    QCheckBox* m_ckFedJan = nullptr;
    QPushButton* m_cmdCal = nullptr;
    QPushButton* m_cmdClear = nullptr;

    QLabel* m_Label13 = nullptr;
    QLabel* m_lbTaxes = nullptr;
    QLabel* m_lbDeduct = nullptr;
    QLabel* m_lbNet = nullptr;
    QLabel* m_lbOverT = nullptr;
    QLabel* m_lbTips = nullptr;
    std::array<QLabel*, 11> m_lbTaxDed{};
    QLabel* m_lbSDI = nullptr;
    QLabel* m_lbSUI = nullptr;
    QLabel* m_lbCafe = nullptr;
    std::array<QLabel*, 18> m_lbTaxTag{};
    QLabel* m_lbTaxVer = nullptr;
    QLabel* m_lbTableNotice = nullptr;
    QLabel* m_lbUser = nullptr;
};

} // namespace tallyrin
