#include "ui/SettingsSheet.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "catalog/ThunderstoreStore.h"
#include "discovery/Outside.h"
#include "platform/gui/Sheet.h"
#include "ui/AlertPresenter.h"
#include "ui/CommandRow.h"
#include "ui/Icons.h"
#include "ui/StepCard.h"
#include "ui/Theme.h"
#include "ui/widgets/Divider.h"
#include "ui/widgets/FlowLayout.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using Theme::ButtonStyle;
using Theme::TextStyle;

namespace {

constexpr int markSize = 18;

QLabel* wrapped(QWidget* parent, const QString& name, TextStyle style, const QColor& color,
                const QString& text) {
    QLabel* l = Make::label(parent, name, style, color, QFont::Normal, true);
    l->setText(text);
    return l;
}

QPushButton* smallButton(QWidget* parent, const QString& name, const QString& text, ButtonStyle style) {
    return Make::button(parent, name, text, style, Theme::ControlSize::small);
}

} // namespace

SettingsSheet::SettingsSheet(AppState* state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("settingsSheet"));
    setWindowTitle(tr("Settings"));
    Sheet::present(*this);
    setMinimumSize(580, 480);
    resize(620, 560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* header = new QWidget(this);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(12, 12, 12, 12);
    headerRow->setSpacing(8);
    headerRow->addWidget(
        Make::symbolLabel(header, QStringLiteral("gearshape.fill"), 16, Theme::secondaryText()));
    QLabel* title = Make::label(header, QStringLiteral("settings.title"), TextStyle::headline);
    title->setText(tr("Settings"));
    headerRow->addWidget(title);
    headerRow->addStretch(1);
    layout->addWidget(header);
    layout->addWidget(new Divider(this, Theme::paneSeparator()));

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("settings.scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    Make::slimScrollBars(scroll);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(buildSection());
    layout->addWidget(scroll, 1);
    layout->addWidget(new Divider(this, Theme::paneSeparator()));

    auto* footer = new QWidget(this);
    auto* footerRow = new QHBoxLayout(footer);
    footerRow->setContentsMargins(12, 12, 12, 12);
    footerRow->setSpacing(8);
    m_busyBar = Make::progressBar(footer, QStringLiteral("settings.busy"), QSize(72, 6));
    footerRow->addWidget(m_busyBar, 0, Qt::AlignVCenter);
    m_footerText = new ElidedLabel(footer);
    m_footerText->setObjectName(QStringLiteral("settings.footerText"));
    Theme::style(m_footerText, TextStyle::caption, Theme::secondaryText());
    footerRow->addWidget(m_footerText, 1);
    auto* done = new QPushButton(tr("Done"), footer);
    done->setObjectName(QStringLiteral("settings.done"));
    done->setDefault(true);
    Theme::setButtonStyle(done, ButtonStyle::prominent);
    done->setMinimumWidth(72);
    footerRow->addWidget(done);
    layout->addWidget(footer);
    // Escape rejects the dialog, so it closes the sheet exactly as "Done" does.
    connect(done, &QPushButton::clicked, this, &QDialog::reject);

    m_alerts = new AlertPresenter(m_state, this);
    connect(m_state, &AppState::changed, this, &SettingsSheet::scheduleRender);
    render();
}

QWidget* SettingsSheet::stepRow(QWidget* parent, int number, QLabel** mark, QWidget** content) {
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("settings.step%1").arg(number));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    auto* markLabel = new QLabel(row);
    markLabel->setObjectName(QStringLiteral("mark"));
    markLabel->setFixedSize(22, markSize);
    markLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    markLabel->setPixmap(StepCard::markPixmap(number, false, markSize));
    markLabel->setProperty("symbol", StepCard::markSymbol(number, false));
    layout->addWidget(markLabel, 0, Qt::AlignTop);
    auto* column = new QWidget(row);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(6);
    layout->addWidget(column, 1);
    if (mark) *mark = markLabel;
    *content = column;
    return row;
}

// The language the window and the command line speak: the system's, or one chosen here. It takes
// effect at the next start, when every view is built in it.
QLayout* SettingsSheet::languageRow(QWidget* parent) {
    auto* row = new QHBoxLayout;
    QLabel* heading = Make::label(parent, QString(), TextStyle::callout, QColor(), QFont::DemiBold);
    heading->setText(tr("Language:"));
    row->addWidget(heading);
    auto* menu = new QComboBox(parent);
    menu->setObjectName(QStringLiteral("settings.language"));
    menu->addItem(tr("System"), QString());
    for (const QString& code : Language::shipped())
        menu->addItem(Language::nativeName(code), code);
    menu->setCurrentIndex(qMax(0, menu->findData(Language::chosen())));
    heading->setBuddy(menu);
    row->addWidget(menu);
    QLabel* note = Make::label(parent, QStringLiteral("settings.languageNote"), TextStyle::caption,
                               Theme::secondaryText(), QFont::Normal, true);
    note->setText(tr("The new language shows the next time Skaldrun starts."));
    note->setVisible(false);
    row->addWidget(note, 1);
    connect(menu, &QComboBox::currentIndexChanged, this, [menu, note] {
        Language::choose(menu->currentData().toString());
        note->setVisible(true);
    });
    return row;
}

QWidget* SettingsSheet::buildSection() {
    auto* section = new QWidget;
    section->setAutoFillBackground(false);
    auto* outer = new QVBoxLayout(section);
    outer->setContentsMargins(16, 16, 16, 16);
    // Where Browse looks for mods: each repository can be left out.
    auto* repositories = new QHBoxLayout;
    QLabel* heading = Make::label(section, QString(), TextStyle::callout, QColor(), QFont::DemiBold);
    heading->setText(tr("Mod repositories:"));
    repositories->addWidget(heading);
    for (const Repository::Source source : Repository::sources) {
        auto* box = new QCheckBox(Repository::sourceName(source), section);
        box->setObjectName(QStringLiteral("settings.repository.") + Repository::sourceName(source));
        box->setChecked(ThunderstoreStore::enabled(source));
        connect(box, &QCheckBox::toggled, this, [this, source](bool on) {
            ThunderstoreStore::setEnabled(source, on);
            m_state->thunder()->loadIfNeeded(true);
        });
        repositories->addWidget(box);
    }
    repositories->addStretch(1);
    outer->addLayout(repositories);
    outer->addLayout(languageRow(section));
    auto* card = new QFrame(section);
    card->setObjectName(QStringLiteral("settings.section"));
    card->setStyleSheet(QStringLiteral("QFrame#settings\\.section { background: %1; border: 1px solid %2;"
                                       " border-radius: 10px; }")
                            .arg(Theme::css(Theme::controlBackground()), Theme::css(Theme::separator())));
    outer->addWidget(card);
    outer->addStretch(1);
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(16, 14, 16, 16);
    column->setSpacing(8);

    QLabel* title = Make::label(card, QStringLiteral("settings.sectionTitle"), TextStyle::body, QColor(),
                                QFont::DemiBold);
    title->setText(tr("Rebuild the Vanilla Shader Cache"));
    column->addWidget(title);
    column->addWidget(wrapped(card, QStringLiteral("settings.explanation"), TextStyle::callout,
                              Theme::secondaryText(),
                              tr("ShaderHelperForMac compares mod materials against a baseline captured "
                                 "from an unmodded game. After a Valheim update, rebuild it so the "
                                 "baseline matches your game version. The steps below automate the file "
                                 "shuffling.")));

    auto* baseline = new QHBoxLayout;
    baseline->setSpacing(6);
    m_baselineIcon = new QLabel(card);
    m_baselineIcon->setFixedSize(13, 13);
    baseline->addWidget(m_baselineIcon, 0, Qt::AlignVCenter);
    m_baselineText = Make::label(card, QStringLiteral("settings.baseline"), TextStyle::caption,
                                 Theme::secondaryText(), QFont::Normal, true);
    baseline->addWidget(m_baselineText, 1);
    column->addLayout(baseline);

    m_installHint = new QWidget(card);
    m_installHint->setObjectName(QStringLiteral("settings.installHint"));
    auto* hintRow = new QHBoxLayout(m_installHint);
    hintRow->setContentsMargins(0, 4, 0, 0);
    hintRow->setSpacing(6);
    hintRow->addWidget(
        Make::symbolLabel(m_installHint, QStringLiteral("exclamationmark.triangle"), 14, Theme::orange()), 0,
        Qt::AlignTop);
    hintRow->addWidget(wrapped(m_installHint, QStringLiteral("settings.installHintText"), TextStyle::callout,
                               Theme::orange(),
                               tr("Install ShaderHelperForMac first — see the pink banner in the Mods "
                                  "pane, or search for it in Browse.")),
                       1);
    column->addWidget(m_installHint);

    m_procedure = new QWidget(card);
    m_procedure->setObjectName(QStringLiteral("settings.procedure"));
    auto* steps = new QVBoxLayout(m_procedure);
    steps->setContentsMargins(0, 6, 0, 0);
    steps->setSpacing(12);
    column->addWidget(m_procedure);

    // Step 1: park the mods, back up the saves.
    QWidget* content = nullptr;
    steps->addWidget(stepRow(m_procedure, 1, &m_step1Mark, &content));
    content->layout()->addWidget(wrapped(content, QString(), TextStyle::callout, QColor(),
                                         tr("Move every mod except ShaderHelperForMac out of the plugins "
                                            "folder, so mod materials can't contaminate the baseline.")));
    auto* buttons1 = new QWidget(content);
    new FlowLayout(buttons1, 8, 6);
    m_moveAside = smallButton(buttons1, QStringLiteral("settings.moveModsAside"), tr("Move Mods Aside"),
                              ButtonStyle::prominent);
    m_backup = smallButton(buttons1, QStringLiteral("settings.backupSaves"),
                           tr("Back Up Worlds & Characters"), ButtonStyle::bordered);
    m_backup->setToolTip(tr("Copies every world and character to this app's backup folder"));
    buttons1->layout()->addWidget(m_moveAside);
    buttons1->layout()->addWidget(m_backup);
    content->layout()->addWidget(buttons1);
    m_stashLine = Make::label(content, QStringLiteral("settings.stashLine"), TextStyle::caption,
                              Theme::secondaryText());
    content->layout()->addWidget(m_stashLine);
    content->layout()->addWidget(wrapped(content, QString(), TextStyle::caption, Theme::secondaryText(),
                                         tr("Back up first: if the game saves while mods are unloaded, "
                                            "modded items and buildings vanish from those saves.")));
    m_lastBackup = Make::label(content, QStringLiteral("settings.lastBackup"), TextStyle::caption2,
                               Theme::tertiaryText());
    content->layout()->addWidget(m_lastBackup);
    connect(m_moveAside, &QPushButton::clicked, m_state, &AppState::stashModsForCapture);
    connect(m_backup, &QPushButton::clicked, m_state, &AppState::backupSaves);

    // Step 2: launch the game.
    steps->addWidget(stepRow(m_procedure, 2, nullptr, &content));
    content->layout()->addWidget(
        wrapped(content, QString(), TextStyle::callout, QColor(), tr("Launch Valheim and load any world.")));
    m_launch =
        smallButton(content, QStringLiteral("settings.launch"), tr("Launch Valheim"), ButtonStyle::automatic);
    content->layout()->addWidget(m_launch);
    content->layout()->setAlignment(m_launch, Qt::AlignLeft);
    m_consoleHint =
        wrapped(content, QStringLiteral("settings.consoleHint"), TextStyle::caption, Theme::orange(),
                tr("Heads up: the F5 console needs -console in your Steam launch options — "
                   "enable the checkbox in Setup step 6 and re-paste first."));
    content->layout()->addWidget(m_consoleHint);
    connect(m_launch, &QPushButton::clicked, m_state, &AppState::launchValheim);

    // Step 3: run the capture command.
    steps->addWidget(stepRow(m_procedure, 3, nullptr, &content));
    content->layout()->addWidget(wrapped(content, QString(), TextStyle::callout, QColor(),
                                         tr("Press F5 in game and run the capture command (already on "
                                            "your clipboard after step 1):")));
    auto* command = new CommandRow(m_state, content);
    command->setObjectName(QStringLiteral("settings.command"));
    command->setCommand(Outside::shaderCaptureCommand);
    content->layout()->addWidget(command);

    // Step 4: bring the mods back, restore the saves if a vanilla session overwrote them.
    steps->addWidget(stepRow(m_procedure, 4, nullptr, &content));
    content->layout()->addWidget(wrapped(content, QString(), TextStyle::callout, QColor(),
                                         tr("Quit Valheim, bring your mods back, then relaunch. The new "
                                            "cache is now authoritative for this Valheim version.")));
    auto* buttons4 = new QWidget(content);
    new FlowLayout(buttons4, 8, 6);
    m_moveBack = smallButton(buttons4, QStringLiteral("settings.moveModsBack"), tr("Move Mods Back"),
                             ButtonStyle::bordered);
    m_restore = smallButton(buttons4, QStringLiteral("settings.restoreSaves"),
                            tr("Restore Worlds & Characters"), ButtonStyle::bordered);
    m_restore->setToolTip(tr("Overwrites current saves with the latest backup's versions"));
    buttons4->layout()->addWidget(m_moveBack);
    buttons4->layout()->addWidget(m_restore);
    content->layout()->addWidget(buttons4);
    content->layout()->addWidget(wrapped(content, QString(), TextStyle::caption, Theme::secondaryText(),
                                         tr("Restoring puts back the backed-up versions — use it if a "
                                            "vanilla session overwrote a modded world.")));
    connect(m_moveBack, &QPushButton::clicked, m_state, &AppState::restoreModsAfterCapture);
    connect(m_restore, &QPushButton::clicked, this, &SettingsSheet::confirmRestore);
    return section;
}

SettingsSheet::~SettingsSheet() {
    delete m_confirm;
}

QString SettingsSheet::restoreMessage() const {
    const std::optional<QDateTime>& date = m_state->snapshot().lastSaveBackupDate;
    return date ? tr("This replaces your current worlds and characters with the backup from %1. Anything "
                     "saved since then will be overwritten.")
                      .arg(Text::mediumDateTime(*date))
                : tr("This replaces your current worlds and characters with the backup. Anything saved since "
                     "then will be overwritten.");
}

void SettingsSheet::confirmRestore() {
    if (m_confirm) return;
    auto* box = new QMessageBox(this);
    box->setObjectName(QStringLiteral("settings.restoreConfirm"));
    box->setWindowTitle(tr("Restore saves from backup?"));
    box->setIcon(QMessageBox::Warning);
    box->setTextFormat(Qt::PlainText);
    box->setText(tr("Restore saves from backup?"));
    box->setInformativeText(restoreMessage());
    QPushButton* restore = box->addButton(tr("Restore"), QMessageBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("settings.restoreConfirm.restore"));
    QPushButton* cancel = box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("settings.restoreConfirm.cancel"));
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    box->setWindowModality(Qt::WindowModal);
    m_confirm = box;
    connect(box, &QMessageBox::buttonClicked, this, [this, restore](QAbstractButton* clicked) {
        if (clicked == restore) m_state->restoreSavesFromLatestBackup();
    });
    connect(box, &QDialog::finished, this, [this, box] {
        if (m_confirm == box) m_confirm = nullptr;
        box->deleteLater();
    });
    AlertPresenter::occupy(box);
    box->open();
}

void SettingsSheet::scheduleRender() {
    m_render.schedule();
}

void SettingsSheet::render() {
    const AppState& s = *m_state;
    const bool busy = s.busyMessage().has_value();
    const int stashed = s.snapshot().captureStashCount;

    const bool haveBaseline = s.snapshot().shaderCacheDate.has_value();
    const QString baselineSymbol =
        haveBaseline ? QStringLiteral("internaldrive") : QStringLiteral("internaldrive.badge.questionmark");
    m_baselineIcon->setPixmap(Icons::pixmap(baselineSymbol, 13, Theme::secondaryText()));
    m_baselineIcon->setProperty("symbol", baselineSymbol);
    m_baselineText->setText(
        haveBaseline
            ? tr("Current baseline built %1").arg(Text::mediumDateTime(*s.snapshot().shaderCacheDate))
            : tr("No baseline cache yet — ShaderHelperForMac creates one on its first launch."));

    const bool installed = s.shaderHelperInstalled();
    m_installHint->setVisible(!installed);
    m_procedure->setVisible(installed);

    const bool parked = stashed > 0;
    m_step1Mark->setPixmap(StepCard::markPixmap(1, parked, markSize));
    m_step1Mark->setProperty("symbol", StepCard::markSymbol(1, parked));
    Theme::setButtonStyle(m_moveAside, parked ? ButtonStyle::bordered : ButtonStyle::prominent);
    m_moveAside->setEnabled(!parked && !busy);
    m_backup->setEnabled(s.snapshot().savesPresent && !busy);
    m_stashLine->setVisible(parked);
    m_stashLine->setText(
        tr("%n items stashed in %1", nullptr, stashed).arg(QStringLiteral("BepInEx/plugins-stash-capture")));
    const std::optional<QDateTime>& backupDate = s.snapshot().lastSaveBackupDate;
    m_lastBackup->setVisible(backupDate.has_value());
    if (backupDate)
        m_lastBackup->setText(
            tr("Last backup: %1 · %L2 most recent are kept").arg(Text::mediumDateTime(*backupDate)).arg(5));

    m_launch->setEnabled(stashed >= 1);
    m_consoleHint->setVisible(!s.consoleEnabled());

    Theme::setButtonStyle(m_moveBack, parked ? ButtonStyle::prominent : ButtonStyle::bordered);
    m_moveBack->setEnabled(stashed >= 1 && !busy);
    m_restore->setEnabled(backupDate.has_value() && !busy);

    if (busy) {
        if (const std::optional<double>& progress = s.busyProgress()) {
            m_busyBar->setRange(0, 1000);
            m_busyBar->setValue(int(qBound(0.0, *progress, 1.0) * 1000));
        } else {
            m_busyBar->setRange(0, 0); // indeterminate
        }
        m_footerText->setFullText(*s.busyMessage());
    } else {
        m_footerText->setFullText(s.lastAction().value_or(QString()));
    }
    m_busyBar->setVisible(busy);

    // An open confirmation names the backup that a restore would take now.
    if (m_confirm) m_confirm->setInformativeText(restoreMessage());
}
