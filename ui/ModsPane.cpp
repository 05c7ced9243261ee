#include "ui/ModsPane.h"

#include "app/AppState.h"
#include "catalog/ThunderstoreStore.h"
#include "platform/Workspace.h"
#include "ui/Banner.h"
#include "ui/BrowseView.h"
#include "ui/BuildSettings.h"
#include "ui/ConfigEditorSheet.h"
#include "ui/DropZone.h"
#include "ui/GameUpdateBanner.h"
#include "ui/Icons.h"
#include "ui/ImportSheet.h"
#include "ui/LaunchSheet.h"
#include "ui/ModRow.h"
#include "ui/ProfileMenu.h"
#include "ui/SetupBubble.h"
#include "ui/ShaderFixBanner.h"
#include "ui/Theme.h"
#include "ui/UpdatesSheet.h"
#include "ui/widgets/FoldingRow.h"
#include "ui/widgets/InsetCard.h"
#include "ui/widgets/LaunchLine.h"
#include "ui/widgets/LaunchProblemRow.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Placeholder.h"
#include "ui/widgets/SegmentedControl.h"

#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum ListPage { readingPage, noLoaderPage, noModsPage, modListPage };

// Wraps a widget in padding, so hiding the wrapper also takes its padding away.
QWidget* padded(QWidget* content, int left, int top, int right, int bottom, QWidget* parent) {
    auto* wrap = new QWidget(parent);
    auto* layout = new QVBoxLayout(wrap);
    layout->setContentsMargins(left, top, right, bottom);
    layout->addWidget(content);
    return wrap;
}

QString stashSentence(int n) {
    return ModsPane::tr("%n mods are stashed outside the plugins folder. Bring them back once you've run the "
                        "capture.",
                        nullptr, n);
}

} // namespace

QString ModsPane::readingSentence() {
    return tr("Reading your game folder…");
}

ModsPane::ModsPane(AppState* state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("modsPane"));
    setAcceptDrops(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // Header row: the share actions and the folder fold into "More" before anything is cut.
    m_header = new FoldingRow(this);
    m_header->setObjectName(QStringLiteral("modsPane.header"));
    m_header->moreButton()->setObjectName(QStringLiteral("modsPane.more"));
    Theme::setButtonStyle(m_header->moreButton(), Theme::ButtonStyle::borderless);
    m_header->moreButton()->setFont(Theme::font(Theme::TextStyle::caption));
    QHBoxLayout* header = m_header->row();
    header->setContentsMargins(16, 14, 16, 10);
    header->setSpacing(10);
    m_bubble = new SetupBubble(state, this);
    header->addWidget(m_bubble);
    m_tabs = new SegmentedControl(this);
    m_tabs->setObjectName(QStringLiteral("modsPane.tabs"));
    m_tabs->addSegment(tr("Installed"), QStringLiteral("modsPane.tab.installed"));
    m_tabs->addSegment(tr("Browse"), QStringLiteral("modsPane.tab.browse"));
    header->addWidget(m_tabs);
    m_profiles = new ProfileMenu(state, this);
    header->addWidget(m_profiles);
    m_bepVersion = new QLabel(this);
    m_bepVersion->setObjectName(QStringLiteral("modsPane.bepVersion"));
    Theme::style(m_bepVersion, Theme::TextStyle::caption, Theme::secondaryText());
    m_bepVersion->setTextFormat(Qt::PlainText); // read from the loader's DLL
    m_header->addDispensable(m_bepVersion);     // the version gives way first
    header->addStretch();
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("modsPane.count"));
    Theme::style(m_count, Theme::TextStyle::caption, Theme::secondaryText());
    m_header->addDispensable(m_count);
    addShareButtons(m_header, this, state);
    m_updates = Make::button(this, QStringLiteral("modsPane.updates"), QString(),
                             Theme::ButtonStyle::bordered, Theme::ControlSize::small);
    connect(m_updates, &QPushButton::clicked, this, [this] {
        auto* sheet = new UpdatesSheet(m_state, window());
        sheet->setAttribute(Qt::WA_DeleteOnClose);
        sheet->open();
    });
    header->addWidget(m_updates);
    m_openPlugins = new QToolButton(this);
    m_openPlugins->setObjectName(QStringLiteral("modsPane.openPlugins"));
    m_openPlugins->setIcon(Icons::tinted(QStringLiteral("folder"), Theme::secondaryText()));
    m_openPlugins->setIconSize(QSize(18, 18));
    m_openPlugins->setToolTip(tr("Open BepInEx/plugins in Finder"));
    m_openPlugins->setAutoRaise(true);
    Theme::setButtonStyle(m_openPlugins, Theme::ButtonStyle::borderless);
    connect(m_openPlugins, &QToolButton::clicked, m_state, &AppState::openPluginsFolder);
    m_header->addSecondary(m_openPlugins, tr("Open the Plugins Folder"));
    column->addWidget(m_header);

    m_pages = new QStackedWidget(this);
    column->addWidget(m_pages, 1);

    // Installed tab.
    auto* installed = new QWidget(m_pages);
    installed->setObjectName(QStringLiteral("modsPane.installed"));
    auto* installedColumn = new QVBoxLayout(installed);
    installedColumn->setContentsMargins(0, 0, 0, 0);
    installedColumn->setSpacing(0);

    m_launchLine = new LaunchLine(state, installed);
    connect(m_launchLine, &LaunchLine::detailsRequested, this, &ModsPane::openLaunchSheet);
    installedColumn->addWidget(m_launchLine);

    m_captureBanner =
        new Banner(QStringLiteral("exclamationmark.triangle.fill"), Theme::orange(), 0.10, 0.30, installed);
    m_captureBanner->setObjectName(QStringLiteral("modsPane.captureBanner"));
    m_captureBanner->title()->setText(tr("Shader-cache capture in progress"));
    m_captureBanner->message()->setObjectName(QStringLiteral("modsPane.captureBanner.message"));
    auto* moveBack =
        Make::button(m_captureBanner, QStringLiteral("modsPane.moveModsBack"), tr("Move Mods Back"),
                     Theme::ButtonStyle::prominent, Theme::ControlSize::small);
    connect(moveBack, &QPushButton::clicked, m_state, &AppState::restoreModsAfterCapture);
    m_captureBanner->addButton(moveBack);
    m_captureWrap = padded(m_captureBanner, 12, 0, 12, 8, installed);
    installedColumn->addWidget(m_captureWrap);

    m_shaderBanner = new ShaderFixBanner(state, installed);
    m_shaderWrap = padded(m_shaderBanner, 12, 0, 12, 8, installed);
    installedColumn->addWidget(m_shaderWrap);

    m_gameUpdateBanner = new GameUpdateBanner(state, installed);
    m_gameUpdateWrap = padded(m_gameUpdateBanner, 12, 0, 12, 8, installed);
    installedColumn->addWidget(m_gameUpdateWrap);

    m_listArea = new QStackedWidget(installed);
    // Until the first probe answers, nothing is known: neither "no loader" nor "no mods" is true yet.
    auto* reading =
        new Placeholder(QStringLiteral("internaldrive"), readingSentence(), QString(), m_listArea);
    reading->setObjectName(QStringLiteral("modsPane.placeholder.reading"));
    m_listArea->insertWidget(readingPage, reading);
    auto* noLoader = new Placeholder(QStringLiteral("shippingbox"), tr("No mod loader yet"),
                                     tr("Work through the setup steps on the left. Once BepInEx is "
                                        "installed, your mods show up here."),
                                     m_listArea);
    noLoader->setObjectName(QStringLiteral("modsPane.placeholder.noLoader"));
    m_listArea->insertWidget(noLoaderPage, noLoader);
    auto* noMods =
        new Placeholder(QStringLiteral("puzzlepiece.extension"), tr("No mods installed"),
                        tr("Switch to Browse to search Thunderstore, or drop a mod .zip below."), m_listArea);
    noMods->setObjectName(QStringLiteral("modsPane.placeholder.noMods"));
    m_listArea->insertWidget(noModsPage, noMods);
    m_scroll = new QScrollArea(m_listArea);
    m_scroll->setObjectName(QStringLiteral("modsPane.modList"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    Make::slimScrollBars(m_scroll);
    m_scroll->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
    auto* listContent = new QWidget;
    listContent->setObjectName(QStringLiteral("modsPane.modList.content"));
    auto* listColumn = new QVBoxLayout(listContent);
    listColumn->setContentsMargins(12, 2, 12, 8);
    listColumn->setSpacing(0);
    m_card = new InsetCard(listContent);
    m_card->setSeparatorInset(38);
    listColumn->addWidget(m_card);
    listColumn->addStretch();
    m_scroll->setWidget(listContent);
    m_scroll->viewport()->setAutoFillBackground(false);
    listContent->setAutoFillBackground(false);
    m_listArea->insertWidget(modListPage, m_scroll);
    installedColumn->addWidget(m_listArea, 1);

    m_dropZone = new DropZone(state, installed);
    installedColumn->addWidget(padded(m_dropZone, 12, 6, 12, 0, installed));

    m_donate = new QPushButton(tr("donate"), installed);
    m_donate->setObjectName(QStringLiteral("modsPane.donate"));
    m_donate->setIcon(Icons::tinted(QStringLiteral("cup.and.saucer.fill"), Theme::secondaryText()));
    m_donate->setIconSize(QSize(13, 13));
    m_donate->setToolTip(tr("Support Skaldrun's development"));
    Theme::setButtonStyle(m_donate, Theme::ButtonStyle::borderless);
    m_donate->setStyleSheet(
        m_donate->styleSheet() +
        QStringLiteral("QPushButton { color: %1; }").arg(Theme::css(Theme::secondaryText())));
    m_donate->setFont(Theme::font(Theme::TextStyle::caption));
    m_donate->setAutoDefault(false);
    connect(m_donate, &QPushButton::clicked, this,
            [this] { m_state->services().workspace.openUrl(QUrl(QStringLiteral(SKALDRUN_DONATION_URL))); });
    auto* donateRow = new QHBoxLayout;
    donateRow->setContentsMargins(0, 5, 0, 8);
    donateRow->addStretch();
    donateRow->addWidget(m_donate);
    donateRow->addStretch();
    installedColumn->addLayout(donateRow);
    m_pages->addWidget(installed);

    // Browse tab.
    m_browse = new BrowseView(state, state->thunder(), m_pages);
    m_pages->addWidget(m_browse);

    connect(m_tabs, &SegmentedControl::currentChanged, this, [this](int index) { setTab(Tab(index)); });
    // A refresh assigns some twenty properties one after another: redraw once, afterwards.
    connect(m_state, &AppState::changed, this, &ModsPane::scheduleUpdate);
    connect(m_state, &AppState::planChanged, this, &ModsPane::scheduleUpdate);
    connect(m_state, &AppState::modsChanged, this, [this] {
        m_modsDirty = true;
        scheduleUpdate();
    });
    connect(m_state, &AppState::launchChanged, this, [this] {
        m_modsDirty = true; // the warning rows under the mods
        scheduleUpdate();
    });

    setTab(qEnvironmentVariable("SKALDRUN_TAB") == QLatin1String("browse") ? Tab::browse : Tab::installed);
    refreshView();
}

void ModsPane::setTab(Tab tab) {
    m_tab = tab;
    m_tabs->setCurrentIndex(int(tab));
    m_pages->setCurrentIndex(int(tab));
    refreshView();
}

void ModsPane::scheduleUpdate() {
    m_render.schedule();
}

void ModsPane::refreshView() {
    m_render.rendered();
    const AppState& s = *m_state;
    const bool installedTab = m_tab == Tab::installed;

    m_bubble->setVisible(s.setupCollapsed());
    m_header->setShown(m_bepVersion, installedTab && s.snapshot().bepFilesPresent && s.snapshot().bepVersion);
    m_bepVersion->setText(s.snapshot().bepVersion ? QStringLiteral("BepInEx ") + *s.snapshot().bepVersion
                                                  : QString());
    const int toggleable = s.toggleableModCount();
    m_header->setShown(m_count, installedTab && toggleable >= 1);
    m_count->setText(tr("%1 of %n enabled", nullptr, toggleable).arg(s.enabledModCount()));
    const qsizetype updates = s.updatePlan().updates.size();
    m_updates->setVisible(installedTab && updates > 0);
    m_updates->setEnabled(!s.busyMessage());
    m_updates->setText(tr("%n updates", nullptr, int(updates)));
    m_header->setShown(m_openPlugins, installedTab);
    m_profiles->setVisible(installedTab && s.gameDir());
    m_profiles->sync();
    m_openPlugins->setEnabled(s.gameDir().has_value());

    m_captureWrap->setVisible(s.snapshot().captureStashCount > 0);
    m_captureBanner->message()->setText(stashSentence(s.snapshot().captureStashCount));
    m_shaderWrap->setVisible(ShaderFixBanner::shouldShow(s));
    m_shaderBanner->sync();
    m_launchLine->setVisible(LaunchLine::shouldShow(s));
    m_launchLine->sync();
    m_gameUpdateWrap->setVisible(GameUpdateBanner::shouldShow(s));
    m_gameUpdateBanner->sync();
    // The fixes of a failed launch look for releases in the catalog: asked once, so that a catalog
    // that can't be reached isn't asked for again at every redraw.
    if (!m_catalogAsked && !s.lastLaunch().problems.isEmpty()) {
        m_catalogAsked = true;
        s.thunder()->loadIfNeeded(false);
    }

    if (!s.probed())
        m_listArea->setCurrentIndex(readingPage);
    else if (!s.snapshot().bepFilesPresent)
        m_listArea->setCurrentIndex(noLoaderPage);
    else if (s.snapshot().mods.isEmpty())
        m_listArea->setCurrentIndex(noModsPage);
    else
        m_listArea->setCurrentIndex(modListPage);
    if (m_modsDirty) {
        m_modsDirty = false;
        syncModRows();
        if (m_shown) maybeAutoOpenConfig();
    }
}

void ModsPane::syncModRows() {
    // Rows are kept by mod id, so a republished list keeps focus, scroll position and the
    // running switch animation of the mods that are still there.
    const QList<ModItem>& mods = m_state->snapshot().mods;
    QHash<QString, ModRow*> kept;
    QList<ModRow*> order;
    for (const ModItem& mod : mods) {
        ModRow* row = m_rows.take(mod.id);
        if (!row) {
            row = new ModRow(m_state, mod, m_card);
            connect(row, &ModRow::configRequested, this, &ModsPane::openConfig);
        } else if (!(row->mod() == mod)) {
            row->setMod(mod);
        }
        kept.insert(mod.id, row);
        order.append(row);
    }
    for (ModRow* gone : std::as_const(m_rows))
        gone->deleteLater();
    m_rows = kept;
    QLayout* rows = m_card->rows();
    for (ModRow* row : order)
        rows->removeWidget(row);
    for (LaunchProblemRow* row : std::as_const(m_problemRows)) {
        rows->removeWidget(row);
        row->deleteLater();
    }
    m_problemRows.clear();
    const QList<LastLaunch::Problem>& problems = m_state->lastLaunch().problems;
    for (ModRow* row : order) {
        m_card->rows()->addWidget(row);
        int n = 0;
        for (const LastLaunch::Problem& problem : problems) {
            if (!problem.mod || problem.mod->id != row->mod().id) continue;
            auto* warning = new LaunchProblemRow(
                m_state, QStringLiteral("launchProblem.%1.%2").arg(row->mod().id).arg(n++), m_card);
            warning->setProblem(problem);
            m_card->rows()->addWidget(warning);
            m_problemRows << warning;
        }
    }
    m_card->update();
}

void ModsPane::openLaunchSheet() {
    auto* sheet = new LaunchSheet(m_state, window());
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
}

ConfigEditorSheet* ModsPane::configSheet() const {
    return m_configSheet;
}

void ModsPane::openConfig(const ModItem& mod) {
    if (m_configSheet) return;
    m_configMod = mod;
    auto* sheet = new ConfigEditorSheet(m_state, mod, window());
    m_configSheet = sheet;
    connect(sheet, &QDialog::finished, this, [this, sheet] {
        sheet->deleteLater();
        m_configMod.reset();
    });
    sheet->open();
}

void ModsPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    maybeAutoOpenConfig();
}

void ModsPane::maybeAutoOpenConfig() {
    if (m_configMod) return;
    // An empty name would match every mod through contains().
    const QString wanted = qEnvironmentVariable("SKALDRUN_OPEN_CONFIG");
    if (wanted.isEmpty()) return;
    for (const ModItem& mod : m_state->snapshot().mods) {
        if (!mod.configFiles.isEmpty() && mod.name.contains(wanted, Qt::CaseInsensitive)) {
            openConfig(mod);
            return;
        }
    }
}

QStringList ModsPane::droppedFiles(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) paths.append(url.toLocalFile());
    }
    return paths;
}

void ModsPane::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasUrls() || droppedFiles(event->mimeData()->urls()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_dropZone->setTargeted(true);
}

void ModsPane::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls() && !droppedFiles(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void ModsPane::dragLeaveEvent(QDragLeaveEvent* event) {
    m_dropZone->setTargeted(false);
    QWidget::dragLeaveEvent(event);
}

void ModsPane::dropEvent(QDropEvent* event) {
    m_dropZone->setTargeted(false);
    const QStringList paths =
        event->mimeData()->hasUrls() ? droppedFiles(event->mimeData()->urls()) : QStringList();
    event->acceptProposedAction();
    if (!paths.isEmpty()) m_state->handleDropped(paths);
}
