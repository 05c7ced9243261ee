#include "ui/GameUpdateBanner.h"

#include "app/AppState.h"
#include "launch/LaunchText.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QLabel>
#include <QPushButton>

GameUpdateBanner::GameUpdateBanner(AppState* state, QWidget* parent)
    : Banner(QStringLiteral("exclamationmark.triangle.fill"), Theme::orange(), 0.10, 0.30, parent),
      m_state(state) {
    setObjectName(QStringLiteral("gameUpdateBanner"));
    title()->setObjectName(QStringLiteral("gameUpdateBanner.title"));
    message()->setObjectName(QStringLiteral("gameUpdateBanner.message"));
    const auto add = [this](const QString& name, const QString& text, Theme::ButtonStyle style) {
        QPushButton* button = Make::button(this, QStringLiteral("gameUpdateBanner.") + name, text, style,
                                           Theme::ControlSize::small);
        addButton(button);
        return button;
    };
    m_backup = add(QStringLiteral("backup"), tr("Back Up Saves"), Theme::ButtonStyle::prominent);
    connect(m_backup, &QPushButton::clicked, m_state, &AppState::backupSaves);
    m_update = add(QStringLiteral("update"), QString(), Theme::ButtonStyle::bordered);
    connect(m_update, &QPushButton::clicked, this,
            [this] { m_state->updateMods(m_state->failingModUpdates()); });
    m_updateLoader = add(QStringLiteral("updateLoader"), QString(), Theme::ButtonStyle::bordered);
    connect(m_updateLoader, &QPushButton::clicked, m_state, &AppState::downloadAndInstallBepInEx);
    m_switchOff = add(QStringLiteral("switchOff"), tr("Switch Them Off"), Theme::ButtonStyle::bordered);
    connect(m_switchOff, &QPushButton::clicked, this,
            [this] { m_state->setModsEnabled(m_state->failingMods(), false); });
    sync();
}

bool GameUpdateBanner::shouldShow(const AppState& state) {
    return state.lastLaunch().gameUpdate && !state.lastLaunch().noLog;
}

QString GameUpdateBanner::sentence(qsizetype failing) {
    if (failing == 0) return tr("Back up your saves before you play on.");
    return tr("%n mods didn't load after the update. Back up your saves first; then update, or switch them "
              "off until their authors catch up.",
              nullptr, int(failing));
}

void GameUpdateBanner::sync() {
    const LastLaunch& last = m_state->lastLaunch();
    if (!last.gameUpdate) return;
    title()->setText(LaunchText::gameUpdated(*last.gameUpdate));
    const qsizetype failing = m_state->failingMods().size();
    message()->setText(sentence(failing));
    const qsizetype updates = m_state->failingModUpdates().size();
    m_update->setVisible(updates > 0);
    m_update->setText(tr("Update %n Mods", nullptr, int(updates)));
    const std::optional<QString> loader = m_state->newerLoaderPack();
    m_updateLoader->setVisible(loader.has_value());
    m_updateLoader->setText(tr("Update BepInEx to %1").arg(loader.value_or(QString())));
    m_switchOff->setVisible(failing > 0);
    const bool idle = !m_state->busyMessage();
    for (QPushButton* button : {m_backup, m_update, m_updateLoader, m_switchOff})
        button->setEnabled(idle);
}
