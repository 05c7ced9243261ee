#include "ui/StepsPane.h"

#include "app/AppState.h"
#include "discovery/Outside.h"
#include "discovery/Quarantine.h"
#include "discovery/Sys.h"
#include "ui/CommandRow.h"
#include "ui/Icons.h"
#include "ui/ModsPane.h"
#include "ui/StepCard.h"
#include "ui/Theme.h"
#include "ui/widgets/Divider.h"
#include "ui/widgets/FlowLayout.h"
#include "ui/widgets/Make.h"
#include "ui/widgets/Placeholder.h"
#include "ui/widgets/Text.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

using Theme::ButtonStyle;
using Theme::TextStyle;

namespace {

// A control area: a column, or a row that wraps when the pane is narrow.
QWidget* column(StepCard* card, const QString& name) {
    auto* area = new QWidget(card);
    area->setObjectName(name);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(6);
    Theme::setSmall(area);
    card->setControls(area);
    return area;
}

QWidget* row(QWidget* parent, const QString& name) {
    auto* area = new QWidget(parent);
    area->setObjectName(name);
    new FlowLayout(area, 8, 6);
    Theme::setSmall(area);
    return area;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setFont(Theme::font(TextStyle::caption));
    return box;
}

} // namespace

StepsPane::StepsPane(AppState* state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("stepsPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("steps.scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    Make::slimScrollBars(scroll);
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    auto* cards = new QVBoxLayout(content);
    cards->setContentsMargins(16, 0, 16, 14);
    cards->setSpacing(10);
    const QStringList titles = {tr("Locate Valheim"),         tr("Install Rosetta 2"),
                                tr("Install BepInEx"),        tr("Enable Rosetta Translation"),
                                tr("Clear Quarantine Flags"), tr("Set Steam Launch Options"),
                                tr("Launch Once to Verify")};
    for (int i = 0; i < 7; ++i) {
        m_cards[size_t(i)] = new StepCard(i + 1, titles[i], content);
        cards->addWidget(m_cards[size_t(i)]);
    }
    cards->addStretch(1);
    buildStep1(card(1));
    buildStep2(card(2));
    buildStep3(card(3));
    buildStep4(card(4));
    buildStep5(card(5));
    buildStep6(card(6));
    buildStep7(card(7));
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
    m_scroll = scroll;
    // Until the first probe answers, no step is known to be done or not.
    m_reading =
        new Placeholder(QStringLiteral("internaldrive"), ModsPane::readingSentence(), QString(), this);
    m_reading->setObjectName(QStringLiteral("steps.reading"));
    layout->addWidget(m_reading, 1);

    layout->addWidget(new Divider(this, Theme::paneSeparator()));
    layout->addWidget(buildFooter());

    connect(m_state, &AppState::changed, this, &StepsPane::scheduleRender);
    render();
}

QWidget* StepsPane::buildHeader() {
    auto* header = new QWidget(this);
    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(16, 14, 16, 10);
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    QLabel* title =
        Make::label(header, QStringLiteral("steps.title"), TextStyle::title2, QColor(), QFont::DemiBold);
    title->setText(tr("Setup"));
    left->addWidget(title);
    auto* progressRow = new QHBoxLayout;
    progressRow->setSpacing(8);
    m_progress = Make::progressBar(header, QStringLiteral("steps.progress"), QSize(150, 6));
    m_progress->setRange(0, 7);
    progressRow->addWidget(m_progress, 0, Qt::AlignVCenter);
    m_progressText =
        Make::label(header, QStringLiteral("steps.progressText"), TextStyle::caption, Theme::secondaryText());
    m_progressText->setWordWrap(true); // longer in most languages than the pane is wide
    progressRow->addWidget(m_progressText, 1, Qt::AlignVCenter);
    left->addLayout(progressRow);
    layout->addLayout(left, 1);

    auto* hide = new QToolButton(header);
    hide->setObjectName(QStringLiteral("steps.hide"));
    hide->setIcon(Icons::tinted(QStringLiteral("sidebar.left"), Theme::secondaryText()));
    hide->setIconSize(QSize(18, 18));
    hide->setAutoRaise(true);
    hide->setToolTip(tr("Hide setup — it collapses into a bubble"));
    Theme::setButtonStyle(hide, ButtonStyle::borderless);
    layout->addWidget(hide, 0, Qt::AlignTop);
    connect(hide, &QToolButton::clicked, m_state, [this] { m_state->setSetupCollapsed(true); });
    return header;
}

QWidget* StepsPane::buildFooter() {
    auto* footer = new QWidget(this);
    auto* layout = new QHBoxLayout(footer);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->setSpacing(6);
    layout->addWidget(Make::symbolLabel(footer, QStringLiteral("info.circle"), 13, Theme::secondaryText()), 0,
                      Qt::AlignTop);
    m_footer = Make::label(footer, QStringLiteral("steps.footer"), TextStyle::caption, Theme::secondaryText(),
                           QFont::Normal, true);
    layout->addWidget(m_footer, 1);
    return footer;
}

void StepsPane::buildStep1(StepCard* card) {
    QWidget* area = column(card, QStringLiteral("step1.controls"));
    m_step1Controls = row(area, QStringLiteral("step1.row"));
    area->layout()->addWidget(m_step1Controls);
    auto* detect = Make::button(m_step1Controls, QStringLiteral("step1.autoDetect"), tr("Auto-Detect"),
                                ButtonStyle::automatic);
    auto* choose = Make::button(m_step1Controls, QStringLiteral("step1.chooseFolder"), tr("Choose Folder…"),
                                ButtonStyle::automatic);
    m_step1Controls->layout()->addWidget(detect);
    m_step1Controls->layout()->addWidget(choose);
    connect(detect, &QPushButton::clicked, m_state, &AppState::autoDetectGame);
    connect(choose, &QPushButton::clicked, m_state, &AppState::chooseGameFolder);
}

void StepsPane::buildStep2(StepCard* card) {
    m_step2Controls = column(card, QStringLiteral("step2.controls"));
    m_installRosetta = Make::button(m_step2Controls, QStringLiteral("step2.installRosetta"),
                                    tr("Install Rosetta 2"), ButtonStyle::prominent);
    m_step2Controls->layout()->addWidget(m_installRosetta);
    m_step2Controls->layout()->setAlignment(m_installRosetta, Qt::AlignLeft);
    m_rosettaCommand = new CommandRow(m_state, m_step2Controls);
    m_rosettaCommand->setObjectName(QStringLiteral("step2.command"));
    m_rosettaCommand->setCommand(AppState::rosettaCommand);
    m_step2Controls->layout()->addWidget(m_rosettaCommand);
    connect(m_installRosetta, &QPushButton::clicked, m_state, &AppState::installRosetta);
}

void StepsPane::buildStep3(StepCard* card) {
    QWidget* area = column(card, QStringLiteral("step3.controls"));
    m_step3Controls = row(area, QStringLiteral("step3.row"));
    area->layout()->addWidget(m_step3Controls);
    QLayout* layout = m_step3Controls->layout();
    m_fixScript = Make::button(m_step3Controls, QStringLiteral("step3.fixScript"), tr("Fix Script"),
                               ButtonStyle::prominent);
    m_installBep = Make::button(m_step3Controls, QStringLiteral("step3.install"), tr("Download & Install"),
                                ButtonStyle::prominent);
    auto* fromZip = Make::button(m_step3Controls, QStringLiteral("step3.installFromZip"),
                                 tr("Install from Zip…"), ButtonStyle::automatic);
    auto* manual = Make::button(m_step3Controls, QStringLiteral("step3.getManually"), tr("Get it manually"),
                                ButtonStyle::link);
    for (QWidget* w : {static_cast<QWidget*>(m_fixScript), static_cast<QWidget*>(m_installBep),
                       static_cast<QWidget*>(fromZip), static_cast<QWidget*>(manual)})
        layout->addWidget(w);
    connect(m_fixScript, &QPushButton::clicked, m_state, &AppState::fixScript);
    connect(m_installBep, &QPushButton::clicked, m_state, &AppState::downloadAndInstallBepInEx);
    connect(fromZip, &QPushButton::clicked, m_state, &AppState::installBepInExFromZip);
    connect(manual, &QPushButton::clicked, m_state, &AppState::openPackPage);
}

// Steps 4 and 5: one prominent action above the command line it stands for.
StepsPane::ActionWithCommand StepsPane::actionWithCommand(StepCard* card, int step, const QString& action,
                                                          const QString& label) {
    const QString prefix = QStringLiteral("step%1.").arg(step);
    ActionWithCommand parts;
    parts.controls = column(card, prefix + QStringLiteral("controls"));
    parts.button = Make::button(parts.controls, prefix + action, label, ButtonStyle::prominent);
    parts.controls->layout()->addWidget(parts.button);
    parts.controls->layout()->setAlignment(parts.button, Qt::AlignLeft);
    parts.command = new CommandRow(m_state, parts.controls);
    parts.command->setObjectName(prefix + QStringLiteral("command"));
    parts.controls->layout()->addWidget(parts.command);
    return parts;
}

void StepsPane::buildStep4(StepCard* card) {
    const auto parts = actionWithCommand(card, 4, QStringLiteral("applyFix"), tr("Apply Fix"));
    m_step4Controls = parts.controls;
    m_applyFix = parts.button;
    m_archCommand = parts.command;
    connect(m_applyFix, &QPushButton::clicked, m_state, &AppState::fixScript);
}

void StepsPane::buildStep5(StepCard* card) {
    const auto parts = actionWithCommand(card, 5, QStringLiteral("clearQuarantine"), tr("Clear Quarantine"));
    m_step5Controls = parts.controls;
    m_clearQuarantine = parts.button;
    m_quarantineCommand = parts.command;
    connect(m_clearQuarantine, &QPushButton::clicked, m_state, &AppState::clearQuarantine);
}

void StepsPane::buildStep6(StepCard* card) {
    QWidget* area = column(card, QStringLiteral("step6.controls"));
    QLayout* layout = area->layout();
    m_launchOptions = new CommandRow(m_state, area);
    m_launchOptions->setObjectName(QStringLiteral("step6.command"));
    layout->addWidget(m_launchOptions);
    m_copyLaunchOptions = Make::button(area, QStringLiteral("step6.copyLaunchOptions"),
                                       tr("Copy Launch Options"), ButtonStyle::prominent);
    m_setLaunchOptions = Make::button(area, QStringLiteral("step6.setLaunchOptions"), tr("Set It for Me"),
                                      ButtonStyle::automatic);
    QWidget* buttons = row(area, QStringLiteral("step6.row"));
    buttons->layout()->addWidget(m_copyLaunchOptions);
    buttons->layout()->addWidget(m_setLaunchOptions);
    layout->addWidget(buttons);
    m_console =
        checkBox(area, QStringLiteral("step6.console"), tr("Enable the in-game console (adds -console)"));
    layout->addWidget(m_console);
    m_changedNote = Make::label(area, QStringLiteral("step6.changedNote"), TextStyle::caption2,
                                Theme::tertiaryText(), QFont::Normal, true);
    m_changedNote->setText(tr("Changed the checkbox? Copy the line above and paste it into Steam again."));
    layout->addWidget(m_changedNote);
    m_instruction = Make::label(area, QStringLiteral("step6.instruction"), TextStyle::caption,
                                Theme::secondaryText(), QFont::Normal, true);
    m_instruction->setText(tr("In Steam: right-click Valheim → Properties… → General → paste into "
                              "Launch Options, then close the window."));
    layout->addWidget(m_instruction);
    m_manual = checkBox(area, QStringLiteral("step6.manual"), tr("I've added it — mark this step done"));
    layout->addWidget(m_manual);
    connect(m_copyLaunchOptions, &QPushButton::clicked, m_state, &AppState::copyLaunchOptions);
    connect(m_setLaunchOptions, &QPushButton::clicked, m_state, &AppState::setLaunchOptionsInSteam);
    // clicked, not toggled: only the player's own clicks write the preferences back.
    connect(m_console, &QCheckBox::clicked, m_state, [this](bool on) { m_state->setConsoleEnabled(on); });
    connect(m_manual, &QCheckBox::clicked, m_state, [this](bool on) { m_state->setLaunchOptionsManual(on); });
}

void StepsPane::buildStep7(StepCard* card) {
    QWidget* area = column(card, QStringLiteral("step7.controls"));
    QWidget* buttons = row(area, QStringLiteral("step7.row"));
    area->layout()->addWidget(buttons);
    m_launch =
        Make::button(buttons, QStringLiteral("step7.launch"), tr("Launch Valheim"), ButtonStyle::automatic);
    auto* recheck =
        Make::button(buttons, QStringLiteral("step7.recheck"), tr("Re-check"), ButtonStyle::automatic);
    buttons->layout()->addWidget(m_launch);
    buttons->layout()->addWidget(recheck);
    connect(m_launch, &QPushButton::clicked, m_state, &AppState::launchValheim);
    connect(recheck, &QPushButton::clicked, m_state, &AppState::refreshAll);
}

void StepsPane::scheduleRender() {
    m_render.schedule();
}

void StepsPane::render() {
    const AppState& s = *m_state;
    const bool busy = s.busyMessage().has_value();
    const bool appleSilicon = s.isAppleSilicon();
    const bool onLinux = s.onLinux();
    const QString script = s.effectiveScriptName();
    const QString nativeOnLinux = tr("Linux runs the game natively.");

    m_scroll->setVisible(s.probed());
    m_reading->setVisible(!s.probed());
    const int done = s.probed() ? s.doneCount() : 0;
    m_progress->setValue(done);
    m_progressText->setText(!s.probed()   ? ModsPane::readingSentence()
                            : s.allDone() ? tr("All set — mods load on next launch")
                                          : tr("%1 of 7 complete").arg(done));

    // 1. Locate Valheim
    card(1)->setDone(s.stepGame());
    if (s.stepGame()) {
        const QString path = s.gameDir() ? Sys::shortPath(*s.gameDir()) : QString();
        const std::optional<QString>& bundle = s.snapshot().appBundleName;
        card(1)->setSubtitle(bundle ? tr("Found %1 at %2").arg(*bundle, path)
                                    : tr("Found the game at %1").arg(path));
    } else if (s.snapshot().windowsBuild && s.gameDir()) {
        card(1)->setSubtitle(tr("Found the Windows build (valheim.exe) at %1, which Steam runs through "
                                "Proton. For BepInEx to load in it, its launch options need: %2")
                                 .arg(Sys::shortPath(*s.gameDir()), Outside::protonLaunchOptions));
    } else {
        card(1)->setSubtitle(
            tr("Install Valheim through Steam first, then auto-detect — or point me at its folder."));
    }
    m_step1Controls->setEnabled(!busy);

    // 2. Install Rosetta 2
    card(2)->setDone(s.stepRosetta());
    if (!appleSilicon) {
        card(2)->setBadge(tr("Not needed"));
        card(2)->setSubtitle(onLinux ? nativeOnLinux : tr("This Mac is Intel, so no translation is needed."));
    } else {
        card(2)->setBadge(std::nullopt);
        card(2)->setSubtitle(s.stepRosetta() ? tr("Rosetta 2 is installed — this Mac can run Intel code.")
                                             : tr("BepInEx's injector is Intel-only, so Apple Silicon "
                                                  "needs Apple's Rosetta 2 translation layer."));
    }
    m_step2Controls->setVisible(appleSilicon && !s.stepRosetta());
    m_installRosetta->setEnabled(!busy);

    // 3. Install BepInEx
    const bool needsFix = s.snapshot().bepFilesPresent &&
                          (!s.snapshot().scriptExecutable || !s.snapshot().scriptNameConfigured);
    card(3)->setDone(s.stepBep());
    if (s.stepBep()) {
        card(3)->setSubtitle(tr("BepInEx %1 is in the game folder and %2 is ready.")
                                 .arg(s.snapshot().bepVersion.value_or(QString()), script));
    } else if (s.snapshot().bepFilesPresent && s.snapshot().scriptPredatesRuntime) {
        card(3)->setSubtitle(tr("%1 is from a pack older than 5.4.2331 and can't start BepInEx "
                                "through Steam any more — update the pack.")
                                 .arg(script));
    } else if (needsFix && onLinux) {
        card(3)->setSubtitle(tr("BepInEx files are there, but %1 isn't executable yet.").arg(script));
    } else if (needsFix) {
        card(3)->setSubtitle(
            tr("BepInEx files are there, but %1 still needs its Mac fixes (executable bit + game name).")
                .arg(script));
    } else if (onLinux) {
        card(3)->setSubtitle(
            tr("Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it "
               "into the game folder."));
    } else {
        card(3)->setSubtitle(
            tr("Downloads denikson's BepInExPack for Valheim from Thunderstore and unpacks it "
               "next to %1.")
                .arg(s.snapshot().appBundleName.value_or(QStringLiteral("Valheim.app"))));
    }
    m_fixScript->setVisible(needsFix);
    m_installBep->setText(Text::buttonLabel(s.snapshot().bepFilesPresent ? tr("Reinstall / Update")
                                                                         : tr("Download & Install")));
    Theme::setButtonStyle(m_installBep,
                          s.snapshot().bepFilesPresent ? ButtonStyle::bordered : ButtonStyle::prominent);
    m_step3Controls->setEnabled(s.stepGame() && !busy);

    // 4. Enable Rosetta Translation
    card(4)->setDone(s.stepArch());
    if (!appleSilicon) {
        card(4)->setBadge(tr("Not needed"));
        card(4)->setSubtitle(onLinux ? nativeOnLinux
                                     : tr("Intel Macs already run the Intel build natively."));
    } else {
        card(4)->setBadge(std::nullopt);
        if (s.stepArch())
            card(4)->setSubtitle(tr("The launch script starts the game's Intel (x86_64) build, so BepInEx "
                                    "loads under Rosetta."));
        else if (s.snapshot().bepFilesPresent)
            card(4)->setSubtitle(tr("Valheim's Mac app is Universal and would run natively, where BepInEx "
                                    "can't load — the fix makes the launch script start its Intel build."));
        else
            card(4)->setSubtitle(
                tr("Install BepInEx first — this changes how its launch script starts the game."));
    }
    m_step4Controls->setVisible(appleSilicon && !s.stepArch());
    m_applyFix->setEnabled(s.snapshot().bepFilesPresent && !busy);
    // The shell line stays as the script has it; only its comment is the player's language.
    m_archCommand->setCommand(QStringLiteral("exec arch -x86_64 /bin/sh -c '…' \"$executable_path\"   ") +
                              tr("# added to %1").arg(script));

    // 5. Clear Quarantine Flags
    card(5)->setDone(s.stepQuarantine());
    card(5)->setBadge(onLinux ? std::optional<QString>(tr("Not needed")) : std::nullopt);
    if (onLinux) {
        card(5)->setSubtitle(tr("Linux doesn't quarantine downloads."));
    } else if (!s.snapshot().bepFilesPresent) {
        card(5)->setSubtitle(tr("After BepInEx is installed, this strips macOS's quarantine flag so "
                                "Gatekeeper doesn't block the injector."));
    } else if (!s.stepQuarantine()) {
        card(5)->setSubtitle(tr("%n files are quarantined from being downloaded. This runs the Terminal "
                                "command below for you.",
                                nullptr, s.snapshot().quarantineCount));
    } else {
        card(5)->setSubtitle(tr("No quarantine flags on the modding files — Gatekeeper won't interfere."));
    }
    const bool showClear = !onLinux && s.snapshot().bepFilesPresent && !s.stepQuarantine();
    m_clearQuarantine->setVisible(showClear);
    m_clearQuarantine->setEnabled(!busy);
    m_quarantineCommand->setVisible(!onLinux && s.gameDir().has_value());
    if (s.gameDir()) m_quarantineCommand->setCommand(Quarantine::terminalCommand(*s.gameDir()));
    m_step5Controls->setVisible(showClear || (!onLinux && s.gameDir().has_value()));

    // 6. Set Steam Launch Options (usable while busy: nothing here starts long work)
    const bool steamDone = s.stepSteam();
    card(6)->setDone(steamDone);
    card(6)->setSubtitle(steamDone && s.snapshot().launchDetected
                             ? tr("Found in your Steam settings — Valheim starts through BepInEx.")
                             : tr("The one manual step: Steam has to start the game through BepInEx's "
                                  "script."));
    m_launchOptions->setCommand(s.launchOptionsString());
    Theme::setButtonStyle(m_copyLaunchOptions, steamDone ? ButtonStyle::bordered : ButtonStyle::prominent);
    m_setLaunchOptions->setVisible(onLinux);
    m_setLaunchOptions->setEnabled(!busy);
    m_console->setChecked(s.consoleEnabled());
    m_changedNote->setVisible(steamDone);
    m_instruction->setVisible(!steamDone);
    m_manual->setVisible(!steamDone);
    m_manual->setChecked(s.launchOptionsManual());

    // 7. Launch Once to Verify
    card(7)->setDone(s.stepVerify());
    card(7)->setSubtitle(
        s.stepVerify()
            ? tr("Modded launch confirmed — BepInEx last wrote its log %1.")
                  .arg(s.snapshot().logDate ? Text::mediumDateTime(*s.snapshot().logDate) : QString())
        : onLinux && s.snapshot().logDate && !s.snapshot().logSaysLinux
            ? tr("BepInEx's last log comes from the Windows build under Proton, not the native game.")
            : tr("Start the game once. When BepInEx loads, it writes "
                 "BepInEx/LogOutput.log — that file is the proof."));
    m_launch->setEnabled(s.gameDir().has_value() && !busy);

    m_footer->setText(s.lastAction().value_or(tr("Tip: if a game update breaks mods, re-run steps 3–5.")));
}
