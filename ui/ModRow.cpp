#include "ui/ModRow.h"

#include "app/AppState.h"
#include "ui/DependantsPrompt.h"
#include "ui/Icons.h"
#include "ui/Theme.h"
#include "ui/VersionPickerSheet.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Switch.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

ModRow::ModRow(AppState* state, const ModItem& mod, QWidget* parent)
    : QWidget(parent), m_state(state), m_icon(new QLabel(this)), m_name(new QLabel(this)),
      m_version(new QLabel(this)), m_detail(new QLabel(this)), m_config(new QPushButton(tr("Config"), this)),
      m_switch(new Switch(this)), m_badge(new QLabel(tr("data"), this)), m_needs(new QLabel(this)),
      m_fix(new QPushButton(this)) {
    // Never squeezed below its natural height: a long list scrolls instead.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 7, 12, 7);
    row->setSpacing(8);
    m_icon->setFixedWidth(18);
    m_icon->setAlignment(Qt::AlignCenter);
    row->addWidget(m_icon);

    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    auto* nameLine = new QHBoxLayout;
    nameLine->setSpacing(6);
    m_name->setFont(Theme::font(Theme::TextStyle::body, QFont::Medium));
    m_name->setTextFormat(Qt::PlainText);
    nameLine->addWidget(m_name);
    Theme::style(m_version, Theme::TextStyle::caption, Theme::secondaryText());
    m_version->setTextFormat(Qt::PlainText); // read from the mod's DLL or manifest
    nameLine->addWidget(m_version);
    nameLine->addStretch();
    column->addLayout(nameLine);
    Theme::style(m_detail, Theme::TextStyle::caption, Theme::tertiaryText());
    column->addWidget(m_detail);
    auto* needsLine = new QHBoxLayout;
    Theme::style(m_needs, Theme::TextStyle::caption, Theme::orange());
    m_needs->setTextFormat(Qt::PlainText);
    needsLine->addWidget(m_needs);
    Make::style(m_fix, Theme::ButtonStyle::bordered, Theme::ControlSize::small);
    connect(m_fix, &QPushButton::clicked, this, [this] { m_state->fixDependencies(m_mod); });
    needsLine->addWidget(m_fix);
    needsLine->addStretch();
    column->addLayout(needsLine);
    row->addLayout(column, 1);

    m_config->setIcon(Icons::tinted(QStringLiteral("gearshape"), Theme::secondaryText()));
    m_config->setToolTip(tr("Edit this mod's settings"));
    Make::style(m_config, Theme::ButtonStyle::bordered, Theme::ControlSize::small);
    // Tighter than a bordered button elsewhere: the row is only as tall as its two lines of text.
    m_config->setStyleSheet(m_config->styleSheet() + QStringLiteral("QPushButton { padding: 2px 8px; }"));
    connect(m_config, &QPushButton::clicked, this, [this] { Q_EMIT configRequested(m_mod); });
    row->addWidget(m_config);

    m_switch->setFollowsClicks(false);
    connect(m_switch, &Switch::toggleRequested, this, [this](bool on) {
        on ? m_state->setMod(m_mod, true) : DependantsPrompt::disable(m_state, m_mod, window());
    });
    row->addWidget(m_switch);

    Theme::style(m_badge, Theme::TextStyle::caption2, Theme::secondaryText());
    m_badge->setStyleSheet(QStringLiteral("QLabel { background: %1; border-radius: 7px; padding: 1px 7px; }")
                               .arg(Theme::css(Theme::quaternary())));
    m_badge->setToolTip(tr("Holds no plugin DLL, so there is nothing to switch off"));
    row->addWidget(m_badge);

    connect(m_state, &AppState::planChanged, this, &ModRow::syncPlan);
    setMod(mod);
}

QString ModRow::needsText(const ModItem& mod, const AppState& state) {
    const UpdatePlan::ModPlan* plan = state.updatePlan().of(mod.name);
    if (!plan || plan->needs.isEmpty()) return {};
    QStringList names;
    for (const UpdatePlan::Need& need : plan->needs)
        names << (need.disabled ? tr("%1 (disabled)") : tr("%1 (missing)")).arg(need.name);
    return tr("Needs %1").arg(names.join(QStringLiteral(", ")));
}

void ModRow::syncPlan() {
    const UpdatePlan::ModPlan* plan = m_state->updatePlan().of(m_mod.name);
    const QList<UpdatePlan::Need> needs = plan ? plan->needs : QList<UpdatePlan::Need>();
    const bool installable =
        std::any_of(needs.cbegin(), needs.cend(), [](const auto& n) { return n.package.has_value(); });
    const bool enablable =
        std::any_of(needs.cbegin(), needs.cend(), [](const auto& n) { return n.disabled.has_value(); });
    m_needs->setText(needsText(m_mod, *m_state));
    m_needs->setVisible(!needs.isEmpty());
    m_fix->setText(installable ? tr("Install missing") : tr("Enable"));
    m_fix->setVisible(installable || enablable);
}

QString ModRow::detailText(const ModItem& mod) {
    if (mod.dllCount == 0) return tr("Data files (no plugin DLL)");
    if (!mod.isFolder) return mod.enabled ? tr("Plugin DLL") : tr("Plugin DLL · disabled");
    return mod.enabled ? tr("%n plugins", nullptr, mod.dllCount)
                       : tr("%n plugins · disabled", nullptr, mod.dllCount);
}

void ModRow::setMod(const ModItem& mod) {
    m_mod = mod;
    const QString base = QStringLiteral("modRow.") + mod.id;
    setObjectName(base);
    m_name->setObjectName(base + QStringLiteral(".name"));
    m_version->setObjectName(base + QStringLiteral(".version"));
    m_detail->setObjectName(base + QStringLiteral(".detail"));
    m_config->setObjectName(base + QStringLiteral(".config"));
    m_switch->setObjectName(base + QStringLiteral(".switch"));
    m_badge->setObjectName(base + QStringLiteral(".data"));

    const bool live = mod.enabled && mod.dllCount > 0;
    m_icon->setPixmap(Icons::pixmap(mod.isFolder ? QStringLiteral("folder.fill")
                                                 : QStringLiteral("puzzlepiece.extension.fill"),
                                    16, live ? Theme::accent() : Theme::tertiaryText()));
    m_name->setText(mod.name);
    QPalette namePalette = m_name->palette();
    namePalette.setColor(QPalette::WindowText, mod.enabled ? Theme::primaryText() : Theme::secondaryText());
    m_name->setPalette(namePalette);
    m_version->setVisible(mod.version.has_value());
    m_version->setText(mod.version ? QStringLiteral("v") + *mod.version : QString());
    m_detail->setText(detailText(mod));
    m_config->setVisible(!mod.configFiles.isEmpty());
    m_switch->setVisible(mod.dllCount > 0);
    m_switch->setChecked(mod.enabled);
    m_switch->setToolTip(mod.enabled ? tr("Enabled — click to disable") : tr("Disabled — click to enable"));
    m_badge->setVisible(mod.dllCount == 0);
    m_needs->setObjectName(base + QStringLiteral(".needs"));
    m_fix->setObjectName(base + QStringLiteral(".fix"));
    syncPlan();
}

QMenu* ModRow::makeContextMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("modRow.menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const ModItem mod = m_mod;
    QAction* reveal = menu->addAction(tr("Reveal in Finder"));
    reveal->setObjectName(QStringLiteral("modRow.reveal"));
    connect(reveal, &QAction::triggered, m_state, [state = m_state, mod] { state->reveal(mod); });
    const UpdatePlan::ModPlan* plan = m_state->updatePlan().of(mod.name);
    if (plan && plan->package) {
        QAction* pick = menu->addAction(tr("Install version…"));
        pick->setObjectName(QStringLiteral("modRow.installVersion"));
        connect(pick, &QAction::triggered, this, [this, package = *plan->package] {
            auto* sheet = new VersionPickerSheet(m_state, package, window());
            sheet->setAttribute(Qt::WA_DeleteOnClose);
            sheet->open();
        });
    }
    if (plan && plan->pinned) {
        QAction* offer = menu->addAction(tr("Offer updates again"));
        offer->setObjectName(QStringLiteral("modRow.offerUpdates"));
        connect(offer, &QAction::triggered, m_state,
                [state = m_state, mod] { state->setUpdatesOffered(mod.name, true); });
    }
    menu->addSeparator();
    QAction* trash = menu->addAction(tr("Move to Trash"));
    trash->setObjectName(QStringLiteral("modRow.trash"));
    connect(trash, &QAction::triggered, this,
            [this, mod] { DependantsPrompt::trash(m_state, mod, window()); });
    return menu;
}

void ModRow::contextMenuEvent(QContextMenuEvent* event) {
    makeContextMenu()->popup(event->globalPos());
    event->accept();
}
