#include "ui/ShaderFixBanner.h"

#include "app/AppState.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QLabel>
#include <QPushButton>

ShaderFixBanner::ShaderFixBanner(AppState* state, QWidget* parent)
    : Banner(QStringLiteral("paintbrush.pointed.fill"), Theme::pink(), 0.08, 0.25, parent), m_state(state) {
    setObjectName(QStringLiteral("shaderFixBanner"));
    title()->setText(tr("Pink or magenta textures in game?"));
    message()->setText(
        tr("Some mods ship Windows-only shaders that Metal can't render. "
           "ShaderHelperForMac swaps broken materials to Mac-friendly shaders automatically."));
    auto* learnMore = new QPushButton(tr("Learn More"), this);
    learnMore->setObjectName(QStringLiteral("shaderFixBanner.learnMore"));
    Theme::setButtonStyle(learnMore, Theme::ButtonStyle::link);
    Theme::setSmall(learnMore);
    learnMore->setAutoDefault(false);
    connect(learnMore, &QPushButton::clicked, m_state, &AppState::openShaderHelperPage);
    addButton(learnMore);
    m_installFix = Make::button(this, QStringLiteral("shaderFixBanner.installFix"), tr("Install Fix"),
                                Theme::ButtonStyle::prominent, Theme::ControlSize::small);
    connect(m_installFix, &QPushButton::clicked, m_state, &AppState::installShaderHelper);
    addButton(m_installFix);
    sync();
}

bool ShaderFixBanner::shouldShow(const AppState& state) {
    return state.isAppleSilicon() && state.snapshot().bepFilesPresent && !state.shaderHelperInstalled() &&
           !state.snapshot().mods.isEmpty();
}

void ShaderFixBanner::sync() {
    m_installFix->setEnabled(!m_state->busyMessage());
}
