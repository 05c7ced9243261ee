#include "ui/BrowseView.h"

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Workspace.h"
#include "ui/BrowseModel.h"
#include "ui/BrowseRow.h"
#include "ui/Icons.h"
#include "ui/PackageIcons.h"
#include "ui/ReadmeSheet.h"
#include "ui/Theme.h"
#include "ui/VersionPickerSheet.h"
#include "ui/widgets/Divider.h"
#include "ui/widgets/FoldingRow.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/SearchField.h"
#include "ui/widgets/Spinner.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Page { loadingPage, failurePage, listPage };

// The list with room above the first row and below the last, outside the scrolled rows.
class CatalogList : public QListView {
public:
    explicit CatalogList(QWidget* parent) : QListView(parent) { setViewportMargins(0, 10, 0, 10); }
};

} // namespace

BrowseView::BrowseView(AppState* state, ThunderstoreStore* store, QWidget* parent)
    : QWidget(parent), m_state(state), m_store(store), m_model(new BrowseModel(state, store, this)),
      m_icons(new PackageIcons(this)), m_delegate(new BrowseRow(m_model, m_icons, this)),
      m_search(new SearchField(tr("Search mods"), QStringLiteral("browse.search"), this)),
      m_sort(new QComboBox(this)), m_reload(new QToolButton(this)), m_count(new QLabel(this)),
      m_content(new QStackedWidget(this)), m_list(new CatalogList(this)), m_loadingText(new QLabel(this)),
      m_failureText(new QLabel(this)), m_status(new QLabel(this)), m_progress(new QProgressBar(this)) {
    setObjectName(QStringLiteral("browseView"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Tool row: the count gives way before a control is cut.
    m_tools = new FoldingRow(this);
    m_tools->setObjectName(QStringLiteral("browse.tools"));
    QHBoxLayout* tools = m_tools->row();
    tools->setContentsMargins(16, 0, 16, 10);
    tools->setSpacing(8);
    // Full width when there is room; narrower before anything else in the row gives way.
    m_search->setMinimumWidth(140);
    m_search->setMaximumWidth(230);
    m_search->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connect(m_search->lineEdit(), &QLineEdit::textChanged, m_model, &BrowseModel::setQuery);
    tools->addWidget(m_search);
    m_sort->setObjectName(QStringLiteral("browse.sort"));
    for (TSSort sort : TSSorts::all)
        m_sort->addItem(TSSorts::title(sort), int(sort));
    Theme::setSmall(m_sort);
    connect(m_sort, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_model->setSort(TSSort(m_sort->itemData(i).toInt())); });
    tools->addWidget(m_sort);
    m_reload->setObjectName(QStringLiteral("browse.reload"));
    m_reload->setIcon(Icons::tinted(QStringLiteral("arrow.clockwise"), Theme::secondaryText()));
    m_reload->setIconSize(QSize(16, 16));
    m_reload->setToolTip(tr("Refresh catalog"));
    m_reload->setAutoRaise(true);
    Theme::setButtonStyle(m_reload, Theme::ButtonStyle::borderless);
    connect(m_reload, &QToolButton::clicked, this, [this] {
        m_icons->retryFailed();
        m_store->loadIfNeeded(true);
    });
    tools->addWidget(m_reload);
    tools->addStretch();
    m_count->setObjectName(QStringLiteral("browse.count"));
    Theme::style(m_count, Theme::TextStyle::caption, Theme::secondaryText());
    m_tools->addDispensable(m_count);
    column->addWidget(m_tools);
    // How fresh the catalog is, or why a refresh failed; a bar while chunks download.
    auto* freshness = new QHBoxLayout;
    freshness->setContentsMargins(16, 0, 16, 8);
    m_status->setObjectName(QStringLiteral("browse.status"));
    m_status->setTextFormat(Qt::PlainText);
    Theme::style(m_status, Theme::TextStyle::caption, Theme::secondaryText());
    freshness->addWidget(m_status, 1);
    m_progress->setObjectName(QStringLiteral("browse.progress"));
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setFixedSize(120, 6);
    freshness->addWidget(m_progress);
    column->addLayout(freshness);
    column->addWidget(new Divider(this));
    // Once a minute: the status line ages, and an active window checks every half hour.
    auto* tick = new QTimer(this);
    tick->start(60 * 1000);
    connect(tick, &QTimer::timeout, this, [this] {
        const auto at = m_store->loadedAt();
        if (at && at->msecsTo(QDateTime::currentDateTime()) >= ThunderstoreStore::checkIntervalMs &&
            window()->isActiveWindow())
            m_store->loadIfNeeded(true);
        sync();
    });

    // Loading panel.
    auto* loading = new QWidget(m_content);
    loading->setObjectName(QStringLiteral("browse.loading"));
    auto* loadingColumn = new QVBoxLayout(loading);
    loadingColumn->setSpacing(10);
    loadingColumn->addStretch();
    loadingColumn->addWidget(new Spinner(22, loading), 0, Qt::AlignHCenter);
    m_loadingText->setParent(loading);
    m_loadingText->setObjectName(QStringLiteral("browse.loadingText"));
    Theme::style(m_loadingText, Theme::TextStyle::caption, Theme::secondaryText());
    m_loadingText->setTextFormat(Qt::PlainText);
    m_loadingText->setAlignment(Qt::AlignCenter);
    loadingColumn->addWidget(m_loadingText);
    loadingColumn->addStretch();
    m_content->insertWidget(loadingPage, loading);

    // Failure panel.
    auto* failure = new QWidget(m_content);
    failure->setObjectName(QStringLiteral("browse.failure"));
    auto* failureColumn = new QVBoxLayout(failure);
    failureColumn->setSpacing(10);
    failureColumn->addStretch();
    auto* symbol = new QLabel(failure);
    symbol->setPixmap(Icons::faint(QStringLiteral("wifi.exclamationmark"), 44, 0.45));
    symbol->setAlignment(Qt::AlignCenter);
    failureColumn->addWidget(symbol);
    m_failureText->setParent(failure);
    m_failureText->setObjectName(QStringLiteral("browse.failureText"));
    Theme::style(m_failureText, Theme::TextStyle::callout, Theme::secondaryText());
    m_failureText->setTextFormat(Qt::PlainText); // holds the network's error text
    m_failureText->setAlignment(Qt::AlignCenter);
    m_failureText->setWordWrap(true);
    m_failureText->setFixedWidth(380);
    failureColumn->addWidget(m_failureText, 0, Qt::AlignHCenter);
    auto* tryAgain = Make::button(failure, QStringLiteral("browse.tryAgain"), tr("Try Again"),
                                  Theme::ButtonStyle::bordered);
    connect(tryAgain, &QPushButton::clicked, this, [this] {
        m_icons->retryFailed();
        m_store->loadIfNeeded(true);
    });
    failureColumn->addWidget(tryAgain, 0, Qt::AlignHCenter);
    failureColumn->addStretch();
    m_content->insertWidget(failurePage, failure);

    // The list.
    m_list->setObjectName(QStringLiteral("browse.list"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->verticalScrollBar()->setSingleStep(24);
    Make::slimScrollBars(m_list);
    m_list->setMouseTracking(true);
    m_list->viewport()->setAttribute(Qt::WA_Hover);
    m_list->setStyleSheet(QStringLiteral("QListView { background: transparent; }"));
    m_list->viewport()->setAutoFillBackground(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QListView::customContextMenuRequested, this, &BrowseView::showContextMenu);
    connect(m_delegate, &BrowseRow::actionClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) m_state->installThunderstorePackage(m_model->package(index.row()));
    });
    connect(m_icons, &PackageIcons::iconReady, m_list->viewport(), qOverload<>(&QWidget::update));
    m_content->insertWidget(listPage, m_list);
    column->addWidget(m_content, 1);

    connect(m_store, &ThunderstoreStore::packagesChanged, this, &BrowseView::sync);
    connect(m_store, &ThunderstoreStore::loadingChanged, this, &BrowseView::sync);
    connect(m_store, &ThunderstoreStore::statusTextChanged, this, &BrowseView::sync);
    connect(m_model, &BrowseModel::shownChanged, this, &BrowseView::sync);
    sync();
}

void BrowseView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_store->loadIfNeeded(false);
}

void BrowseView::sync() {
    const bool empty = m_store->packages().isEmpty();
    // A catalog that has arrived but isn't ready for listing yet counts as still loading.
    const bool arriving = !empty && m_model->preparing() && m_model->total() == 0;
    const auto& status = m_store->statusText();
    m_reload->setEnabled(!m_store->loading());
    m_tools->setShown(m_count, !empty && !arriving);
    m_count->setText(tr("%1 of %n mods", nullptr, m_model->total()).arg(m_model->rowCount()));
    m_status->setVisible(!empty);
    m_status->setText(status && !m_store->loading() ? tr("%1 · showing the previous catalog").arg(*status)
                                                    : m_store->freshness(QDateTime::currentDateTime()));
    m_progress->setVisible(m_store->loading() && m_store->progress() >= 0);
    m_progress->setValue(int(m_store->progress() * 1000));
    if (arriving) {
        m_loadingText->setText(tr("Loading…"));
        m_content->setCurrentIndex(loadingPage);
    } else if (!empty) {
        m_content->setCurrentIndex(listPage);
    } else if (m_store->loading()) {
        m_loadingText->setText(status.value_or(tr("Loading…")));
        m_content->setCurrentIndex(loadingPage);
    } else {
        m_failureText->setText(status.value_or(tr("Couldn't load the Thunderstore catalog.")));
        m_failureText->setMinimumHeight(m_failureText->heightForWidth(m_failureText->width()));
        m_content->setCurrentIndex(failurePage);
    }
}

void BrowseView::showContextMenu(const QPoint& pos) {
    const QModelIndex index = m_list->indexAt(pos);
    if (index.isValid()) makeContextMenu(index.row())->popup(m_list->viewport()->mapToGlobal(pos));
}

QMenu* BrowseView::makeContextMenu(int row) {
    const TSPackage pkg = m_model->package(row);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("browse.menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (pkg.pageURL) {
        QAction* view = menu->addAction(tr("View on Thunderstore"));
        view->setObjectName(QStringLiteral("browse.viewOnThunderstore"));
        connect(view, &QAction::triggered, this,
                [this, page = *pkg.pageURL] { m_state->services().workspace.openUrl(page); });
    }
    const auto sheet = [this, pkg](auto make) {
        return [this, pkg, make] {
            QDialog* dialog = make(m_state, pkg, window());
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->open();
        };
    };
    QAction* pick = menu->addAction(tr("Install version…"));
    pick->setObjectName(QStringLiteral("browse.installVersion"));
    connect(pick, &QAction::triggered, this,
            sheet([](AppState* s, const TSPackage& p, QWidget* w) -> QDialog* {
                return new VersionPickerSheet(s, p, w);
            }));
    QAction* more = menu->addAction(tr("Read More"));
    more->setObjectName(QStringLiteral("browse.readMore"));
    connect(more, &QAction::triggered, this,
            sheet([](AppState* s, const TSPackage& p, QWidget* w) -> QDialog* {
                return new ReadmeSheet(s, p, w);
            }));
    return menu;
}
