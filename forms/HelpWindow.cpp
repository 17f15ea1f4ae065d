#include "forms/HelpWindow.h"

#include "platform/Named.h"
#include "platform/ChmHelp.h"
#include "platform/QtText.h"
#include "platform/ScreenPlacement.h"
#include "text/Operator.h"

#include <QAction>
#include <QDesktopServices>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <vector>

namespace tallyrin {

namespace {

const QString chmScheme = QStringLiteral("chm");

} // namespace

ChmBrowser::ChmBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    // Links are followed here so that pages stay inside the help file and only real web
    // addresses leave it.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::followLink);
}

QUrl ChmBrowser::pageUrl(const std::string& archivePath)
{
    QUrl url;
    url.setScheme(chmScheme);
    url.setPath(toQt(archivePath));
    return url;
}

void ChmBrowser::followLink(const QUrl& link)
{
    const QUrl target = link.isRelative() ? source().resolved(link) : link;
    if (target.scheme() == chmScheme)
        setSource(target);
    else if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https") ||
             target.scheme() == QLatin1String("mailto"))
        QDesktopServices::openUrl(target);
}

QVariant ChmBrowser::loadResource(int /*type*/, const QUrl& name)
{
    QUrl url = name;
    if (url.isRelative()) {
        const QUrl base = source().isValid() ? source() : pageUrl("/");
        url = base.resolved(name);
    }
    // Nothing outside the help file is read: a page cannot reach the operator's own files.
    if (!m_archive || url.scheme() != chmScheme)
        return {};
    const auto bytes = m_archive->read(toStd(url.path()));
    if (!bytes)
        return {};
    return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

void HelpWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeWithinScreen(*this);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new ChmBrowser(this))
    , m_tabs(new QTabWidget(this))
    , m_contents(new QTreeWidget(m_tabs))
    , m_indexFilter(new QLineEdit(m_tabs))
    , m_index(new QListWidget(m_tabs))
    , m_searchText(new QLineEdit(m_tabs))
    , m_searchNote(new QLabel(m_tabs))
    , m_results(new QListWidget(m_tabs))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromLatin1(helpFileName));
    resize(860, 600);

    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(false);
    m_contents->setMinimumWidth(180);
    m_contents->setStyleSheet(QStringLiteral("QTreeWidget::item { padding: 3px 4px; }"));
    m_browser->document()->setDocumentMargin(14);

    auto* tools = named<QToolBar>(this, "helpTools");
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    QAction* contents = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Contents"));
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(contents, &QAction::triggered, this, &HelpWindow::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_tabs->addTab(m_contents, QStringLiteral("Contents"));
    m_tabs->addTab(buildIndexTab(), QStringLiteral("&Index"));
    m_tabs->addTab(buildSearchTab(), QStringLiteral("&Search"));

    auto* split = new QSplitter(this);
    split->addWidget(m_tabs);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 620});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(split);

    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showTopic(item->data(0, Qt::UserRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::markContents);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showTopic(const QString& local)
{
    if (!local.isEmpty())
        m_browser->setSource(ChmBrowser::pageUrl(archivePath(toStd(local))));
}

// The index: the keywords in order; typing goes to the first keyword that starts with the text
// typed, and Enter, a click or a double click shows its topic.
QWidget* HelpWindow::buildIndexTab()
{
    auto* tab = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(tab);
    m_indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    m_indexFilter->setPlaceholderText(QStringLiteral("Type the keyword to find"));
    m_index->setObjectName(QStringLiteral("helpIndex"));
    layout->addWidget(m_indexFilter);
    layout->addWidget(m_index, 1);
    connect(m_indexFilter, &QLineEdit::textEdited, this, [this](const QString& typed) {
        for (int i = 0; i < m_index->count(); ++i) {
            if (m_index->item(i)->text().startsWith(typed, Qt::CaseInsensitive)) {
                m_index->setCurrentRow(i);
                m_index->scrollToItem(m_index->item(i), QAbstractItemView::PositionAtTop);
                return;
            }
        }
    });
    connect(m_indexFilter, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = m_index->currentItem())
            showTopic(item->data(Qt::UserRole).toString());
    });
    connect(m_index, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showTopic(item->data(Qt::UserRole).toString()); });
    connect(m_index, &QListWidget::itemClicked, m_index, &QListWidget::itemActivated);
    return tab;
}

// The search: the topics whose text holds every word typed, listed by their contents names.
QWidget* HelpWindow::buildSearchTab()
{
    auto* tab = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(tab);
    m_searchText->setObjectName(QStringLiteral("helpSearchText"));
    m_searchText->setPlaceholderText(QStringLiteral("Type the words to find"));
    auto* list = named<QPushButton>(tab, "helpSearch", QStringLiteral("&List Topics"));
    m_searchNote->setObjectName(QStringLiteral("helpSearchNote"));
    m_searchNote->setWordWrap(true);
    m_results->setObjectName(QStringLiteral("helpResults"));
    layout->addWidget(m_searchText);
    layout->addWidget(list);
    layout->addWidget(m_searchNote);
    layout->addWidget(m_results, 1);
    connect(list, &QPushButton::clicked, this, &HelpWindow::search);
    connect(m_searchText, &QLineEdit::returnPressed, this, &HelpWindow::search);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showTopic(item->data(Qt::UserRole).toString()); });
    connect(m_results, &QListWidget::itemClicked, m_results, &QListWidget::itemActivated);
    return tab;
}

void HelpWindow::search()
{
    m_results->clear();
    if (!m_archive || m_searchText->text().trimmed().isEmpty()) {
        m_searchNote->setText(QStringLiteral("Type the words to find, then List Topics."));
        return;
    }
    const auto found = m_archive->findTopics(toStd(m_searchText->text()));
    for (const ContentsEntry& topic : found) {
        auto* item = new QListWidgetItem(toQt(topic.name), m_results);
        item->setToolTip(item->text()); // a long topic name is cut at the list's edge
        item->setData(Qt::UserRole, toQt(topic.local));
    }
    m_searchNote->setText(found.empty() ? QStringLiteral("No topic holds these words.")
                          : found.size() == 1 ? QStringLiteral("1 topic found.")
                                              : QStringLiteral("%1 topics found.").arg(found.size()));
    if (!found.empty())
        m_results->setCurrentRow(0);
}

bool HelpWindow::openHelpFile(const std::filesystem::path& file, Operator& op)
{
    const std::filesystem::path folder = file.parent_path();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        op.message(helpFileMissingMessage(folder), Icon::Exclamation);
        return false;
    }
    auto archive = ChmArchive::open(file);
    if (!archive || !archive->read(archive->defaultTopic())) {
        op.message(helpFileUnreadableMessage(folder), Icon::Exclamation);
        return false;
    }
    m_browser->setArchive(nullptr);
    m_archive = std::move(archive);
    m_browser->setArchive(m_archive.get());
    m_browser->clearHistory();
    setWindowTitle(m_archive->title().empty() ? QString::fromLatin1(helpFileName) : toQt(m_archive->title()));
    fillContents();
    home();
    markContents(m_browser->source());
    return true;
}

void HelpWindow::home()
{
    if (!m_archive)
        return;
    // The page may be the one already shown; reloading it puts the operator back at its top.
    if (m_browser->source() == ChmBrowser::pageUrl(m_archive->defaultTopic()))
        m_browser->reload();
    else
        m_browser->setSource(ChmBrowser::pageUrl(m_archive->defaultTopic()));
}

void HelpWindow::fillContents()
{
    m_contents->clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const ContentsEntry& entry : m_archive->contents()) {
        const auto depth = static_cast<std::size_t>(entry.depth);
        if (depth < parents.size())
            parents.resize(depth);
        QTreeWidgetItem* item = parents.empty() ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(parents.back());
        item->setText(0, toQt(entry.name));
        item->setData(0, Qt::UserRole, toQt(entry.local));
        if (depth > 0)
            m_contents->setRootIsDecorated(true);
        parents.push_back(item);
    }
    m_contents->expandAll();

    m_index->clear();
    m_indexFilter->clear();
    for (const ContentsEntry& keyword : m_archive->index()) {
        auto* item = new QListWidgetItem(toQt(keyword.name), m_index);
        item->setData(Qt::UserRole, toQt(keyword.local));
    }
    m_results->clear();
    m_searchNote->clear();
    // A help file without contents or an index shows its pages alone.
    m_tabs->setTabVisible(m_tabs->indexOf(m_contents), m_contents->topLevelItemCount() > 0);
    m_tabs->setTabVisible(m_tabs->indexOf(m_index->parentWidget()), m_index->count() > 0);
    m_tabs->setVisible(m_contents->topLevelItemCount() > 0 || m_index->count() > 0);
}

// The contents line of the page shown is the current one, so the operator sees where he is.
void HelpWindow::markContents(const QUrl& page)
{
    const QString path = page.path();
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        const QString local = (*it)->data(0, Qt::UserRole).toString();
        if (!local.isEmpty() && toQt(archivePath(toStd(local))).compare(path, Qt::CaseInsensitive) == 0) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->clearSelection();
}

HelpWindow* showHelp(const std::filesystem::path& workingFolder, Operator& op, QWidget* parent)
{
    HelpWindow* window = parent ? parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const bool made = !window;
    if (made) {
        window = new HelpWindow(parent);
        if (!parent)
            window->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!window->openHelpFile(workingFolder / helpFileName, op)) {
        if (made)
            delete window;
        return nullptr;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tallyrin
