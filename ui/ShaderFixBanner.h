#pragma once

#include "ui/Banner.h"

class AppState;
class QPushButton;

// Recommends ShaderHelperForMac on Apple Silicon, where mods with Windows-only shaders show pink.
class ShaderFixBanner : public Banner {
    Q_OBJECT
public:
    explicit ShaderFixBanner(AppState* state, QWidget* parent = nullptr);

    // Apple Silicon, BepInEx present, some mods, and the fix not installed yet.
    static bool shouldShow(const AppState& state);
    // Follows the model's busy state ("Install Fix" waits while an action runs).
    void sync();

private:
    AppState* m_state;
    QPushButton* m_installFix;
};
