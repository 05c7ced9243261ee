#pragma once

#include "catalog/TSPackage.h"

#include <QDialog>

class AppState;
class QCheckBox;
class QListWidget;

// Every release of a package the repository still offers, newest first with its date, to
// install in place of the installed one. Picking an older one offers to keep it there
// ("Don't offer updates for {name}", ticked).
class VersionPickerSheet : public QDialog {
    Q_OBJECT
public:
    VersionPickerSheet(AppState* state, const TSPackage& package, QWidget* parent = nullptr);

    // "1.4.0 · 12 Mar 2024"
    static QString versionLine(const TSVersion& version);

private:
    AppState* m_state;
    TSPackage m_package;
    QListWidget* m_list;
    QCheckBox* m_keep;
};
