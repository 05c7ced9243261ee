#pragma once

#include "catalog/TSPackage.h"

#include <QDialog>

class AppState;

// A package's readme (its newest release's), with a button to its page on the repository.
class ReadmeSheet : public QDialog {
    Q_OBJECT
public:
    ReadmeSheet(AppState* state, const TSPackage& package, QWidget* parent = nullptr);
};
