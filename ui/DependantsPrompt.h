#pragma once

#include "inventory/ModScanner.h"

class AppState;
class QWidget;

// Switching off or trashing a mod that enabled mods need: asks first whether they go too.
namespace DependantsPrompt {

// "2 mods depend on Jotunn: Epic Loot, Valheim Plus."
QString question(const QString& name, const QStringList& dependants);
void disable(AppState* state, const ModItem& mod, QWidget* parent);
void trash(AppState* state, const ModItem& mod, QWidget* parent);

} // namespace DependantsPrompt
