#include "ui/DependantsPrompt.h"

#include "app/AppState.h"
#include "install/ModKey.h"
#include "ui/AlertPresenter.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace DependantsPrompt {

namespace {

void ask(AppState* state, const ModItem& mod, QWidget* parent, bool trash) {
    const QStringList names = state->updatePlan().dependantsOf(mod.name);
    const auto act = [state, trash](const QList<ModItem>& mods) {
        trash ? state->trashMods(mods) : state->setModsEnabled(mods, false);
    };
    if (names.isEmpty()) {
        act({mod});
        return;
    }
    QList<ModItem> all{mod};
    for (const ModItem& m : state->snapshot().mods) {
        for (const QString& name : names)
            if (ModKey::of(m.name) == ModKey::of(name)) all << m;
    }
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("dependants.confirm"));
    box->setIcon(QMessageBox::Warning);
    box->setTextFormat(Qt::PlainText);
    box->setText(question(mod.name, names));
    QPushButton* everything =
        box->addButton(trash ? QCoreApplication::translate("DependantsPrompt", "Move All to Trash")
                             : QCoreApplication::translate("DependantsPrompt", "Disable All"),
                       QMessageBox::DestructiveRole);
    everything->setObjectName(QStringLiteral("dependants.all"));
    QPushButton* only = box->addButton(
        trash ? QCoreApplication::translate("DependantsPrompt", "Move Only %1 to Trash").arg(mod.name)
              : QCoreApplication::translate("DependantsPrompt", "Disable Only %1").arg(mod.name),
        QMessageBox::AcceptRole);
    only->setObjectName(QStringLiteral("dependants.only"));
    QPushButton* cancel =
        box->addButton(QCoreApplication::translate("DependantsPrompt", "Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("dependants.cancel"));
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    box->setWindowModality(Qt::WindowModal);
    QObject::connect(box, &QMessageBox::buttonClicked, state, [=](QAbstractButton* clicked) {
        if (clicked == everything) act(all);
        if (clicked == only) act({mod});
    });
    QObject::connect(box, &QDialog::finished, box, &QObject::deleteLater);
    AlertPresenter::occupy(box);
    box->open();
}

} // namespace

QString question(const QString& name, const QStringList& dependants) {
    return QCoreApplication::translate("DependantsPrompt", "%n mods depend on %1: %2.", nullptr,
                                       int(dependants.size()))
        .arg(name, dependants.join(QStringLiteral(", ")));
}

void disable(AppState* state, const ModItem& mod, QWidget* parent) {
    ask(state, mod, parent, false);
}

void trash(AppState* state, const ModItem& mod, QWidget* parent) {
    ask(state, mod, parent, true);
}

} // namespace DependantsPrompt
