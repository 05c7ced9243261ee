#include "ui/VersionPickerSheet.h"

#include "app/AppState.h"
#include "catalog/Version.h"
#include "platform/gui/Sheet.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

VersionPickerSheet::VersionPickerSheet(AppState* state, const TSPackage& package, QWidget* parent)
    : QDialog(parent), m_state(state), m_package(package) {
    setObjectName(QStringLiteral("versionPicker"));
    setWindowTitle(tr("Install Version"));
    Sheet::present(*this);
    resize(420, 420);
    const std::optional<ModItem> mod = state->installedMod(package);
    const QString name = mod ? mod->name : package.prettyName();
    auto* layout = new QVBoxLayout(this);
    QLabel* title = Make::label(this, QStringLiteral("versions.title"), Theme::TextStyle::headline);
    title->setTextFormat(Qt::PlainText);
    title->setText(tr("Install a version of %1").arg(name));
    layout->addWidget(title);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("versions.list"));
    for (const TSVersion& v : package.versions()) {
        auto* item = new QListWidgetItem(versionLine(v), m_list);
        item->setData(Qt::UserRole, v.number);
    }
    layout->addWidget(m_list, 1);
    m_keep = new QCheckBox(tr("Don't offer updates for %1").arg(name), this);
    m_keep->setObjectName(QStringLiteral("versions.keep"));
    m_keep->setChecked(true);
    layout->addWidget(m_keep);
    auto* footer = new QHBoxLayout;
    footer->addStretch();
    QPushButton* cancel =
        Make::button(this, QStringLiteral("versions.cancel"), tr("Cancel"), Theme::ButtonStyle::bordered);
    footer->addWidget(cancel);
    QPushButton* install =
        Make::button(this, QStringLiteral("versions.install"), tr("Install"), Theme::ButtonStyle::prominent);
    footer->addWidget(install);
    layout->addLayout(footer);

    const auto chosen = [this] {
        return m_list->currentItem() ? m_list->currentItem()->data(Qt::UserRole).toString() : QString();
    };
    connect(m_list, &QListWidget::currentRowChanged, this, [this, install, chosen] {
        install->setEnabled(m_list->currentItem());
        m_keep->setVisible(Version::less(chosen(), m_package.version));
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(install, &QPushButton::clicked, this, [this, chosen] {
        m_state->installVersion(m_package, chosen(), m_keep->isVisible() && m_keep->isChecked());
        accept();
    });
    m_list->setCurrentRow(0);
}

QString VersionPickerSheet::versionLine(const TSVersion& version) {
    if (version.date <= 0) return version.number;
    return tr("%1 · %2").arg(version.number,
                             QLocale().toString(QDateTime::fromSecsSinceEpoch(version.date, Qt::UTC).date(),
                                                QLocale::ShortFormat));
}
