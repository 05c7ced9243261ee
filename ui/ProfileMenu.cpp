#include "ui/ProfileMenu.h"

#include "app/AppState.h"
#include "install/Profiles.h"
#include "platform/gui/Sheet.h"
#include "ui/Theme.h"
#include "ui/widgets/Make.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

ProfileMenu::ProfileMenu(AppState* state, QWidget* parent) : QToolButton(parent), m_state(state) {
    setObjectName(QStringLiteral("modsPane.profiles"));
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Theme::setButtonStyle(this, Theme::ButtonStyle::bordered);
    setFont(Theme::font(Theme::TextStyle::caption, QFont::DemiBold));
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("profiles.menu"));
    // popup(), not the button's own menu, which would run an event loop of its own while open.
    connect(this, &QToolButton::clicked, this, [this] {
        rebuild();
        m_menu->popup(mapToGlobal(rect().bottomLeft()));
    });
    sync();
}

namespace {
const QString arrow = QStringLiteral(" ▾");
constexpr int widestNameChars = 24; // beyond this the name is elided even when there is room
constexpr int narrowestNameChars = 6;
} // namespace

void ProfileMenu::sync() {
    if (m_name != m_state->snapshot().activeProfile) {
        m_name = m_state->snapshot().activeProfile;
        // The row gives the new name its width later; fitting it to the old one would cut it.
        updateGeometry();
        QMetaObject::invokeMethod(this, &ProfileMenu::fitName, Qt::QueuedConnection);
    } else {
        fitName();
    }
    // Changing profiles during an action would move the folder it works in.
    setEnabled(m_state->gameDir().has_value() && !m_state->busyMessage());
}

// The button's width beyond its text: padding, border, the spaces QToolButton adds.
int ProfileMenu::chrome() const {
    return QToolButton::sizeHint().width() - fontMetrics().size(Qt::TextShowMnemonic, text()).width();
}

// What the button needs for `name` shown whole, as QToolButton measures it.
int ProfileMenu::widthFor(const QString& name) const {
    QString shown = name;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return chrome() + fontMetrics().size(Qt::TextShowMnemonic, shown + arrow).width();
}

QSize ProfileMenu::sizeHint() const {
    const int cap = widthFor(QString(widestNameChars, QLatin1Char('x')));
    return {qMin(widthFor(m_name), cap), QToolButton::sizeHint().height()};
}

QSize ProfileMenu::minimumSizeHint() const {
    const int floor = widthFor(QString(narrowestNameChars, QLatin1Char('x')));
    return {qMin(widthFor(m_name), floor), QToolButton::sizeHint().height()};
}

void ProfileMenu::resizeEvent(QResizeEvent* event) {
    QToolButton::resizeEvent(event);
    fitName();
}

void ProfileMenu::fitName() {
    const int room = qMin(width(), sizeHint().width());
    QString shown = m_name;
    // Narrower in steps until the elided name fits as QToolButton measures it.
    for (int nameWidth = room - widthFor(QString()); widthFor(shown) > room && nameWidth > 0; nameWidth -= 2)
        shown = fontMetrics().elidedText(m_name, Qt::ElideMiddle, nameWidth);
    const bool elided = shown != m_name;
    // A tool button reads "&" as a mnemonic mark.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (text() != shown + arrow) setText(shown + arrow);
    setToolTip(elided ? m_name : tr("Profiles: separate mod sets for this game folder"));
}

void ProfileMenu::rebuild() {
    QMenu* m = m_menu;
    m->clear();
    const QString active = m_state->snapshot().activeProfile;
    const QStringList profiles = m_state->snapshot().profiles;
    for (const QString& name : profiles) {
        QAction* pick = m->addAction(name);
        pick->setObjectName(QStringLiteral("profiles.switch.") + name);
        pick->setCheckable(true);
        pick->setChecked(name == active);
        connect(pick, &QAction::triggered, this, [this, name, active] {
            if (name != active) m_state->switchProfile(name);
        });
    }
    m->addSeparator();
    m->addAction(tr("New Profile…"), this, [this] {
         openSheet({});
     })->setObjectName(QStringLiteral("profiles.new"));
    m->addAction(tr("Rename “%1”…").arg(active), this, [this, active] {
         openSheet(active);
     })->setObjectName(QStringLiteral("profiles.rename"));
    QMenu* trash = m->addMenu(tr("Move to Trash"));
    trash->setObjectName(QStringLiteral("profiles.delete"));
    for (const QString& name : profiles) {
        QAction* remove = trash->addAction(name, this, [this, name] { m_state->deleteProfile(name); });
        remove->setObjectName(QStringLiteral("profiles.delete.") + name);
        remove->setEnabled(name != active); // the active one is where BepInEx loads from
    }
}

void ProfileMenu::openSheet(const QString& renaming) {
    auto* sheet = new ProfileSheet(m_state, renaming, window());
    connect(sheet, &QDialog::finished, sheet, &QObject::deleteLater);
    sheet->open();
}

ProfileSheet::ProfileSheet(AppState* state, const QString& renaming, QWidget* parent)
    : QDialog(parent), m_state(state), m_renaming(renaming) {
    setObjectName(QStringLiteral("profileSheet"));
    setWindowTitle(renaming.isEmpty() ? tr("New Profile") : tr("Rename Profile"));
    Sheet::present(*this);
    setMinimumWidth(380);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(10);
    QLabel* title = Make::label(this, QStringLiteral("profileSheet.title"), Theme::TextStyle::headline);
    title->setText(windowTitle());
    layout->addWidget(title);
    m_name = new QLineEdit(renaming, this);
    m_name->setObjectName(QStringLiteral("profileSheet.name"));
    m_name->setPlaceholderText(tr("Profile name"));
    m_name->setMaxLength(Profiles::maxNameLength + 8); // room to see the length sentence
    QLabel* nameLabel = Make::label(this, QStringLiteral("profileSheet.nameLabel"), Theme::TextStyle::callout,
                                    QColor(), QFont::Medium);
    nameLabel->setText(renaming.isEmpty() ? tr("Name of the new profile")
                                          : tr("New name for “%1”").arg(renaming));
    nameLabel->setTextFormat(Qt::PlainText);
    nameLabel->setBuddy(m_name);
    layout->addWidget(nameLabel);
    layout->addWidget(m_name);
    m_problem = Make::label(this, QStringLiteral("profileSheet.problem"), Theme::TextStyle::caption,
                            Theme::orange(), QFont::Normal, true);
    m_problem->setTextFormat(Qt::PlainText);
    layout->addWidget(m_problem);
    if (renaming.isEmpty()) {
        m_copy = new QCheckBox(
            tr("Start with a copy of “%1” (its mods and settings)").arg(state->snapshot().activeProfile),
            this);
        m_copy->setObjectName(QStringLiteral("profileSheet.copy"));
        layout->addWidget(m_copy);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel =
        Make::button(this, QStringLiteral("profileSheet.cancel"), tr("Cancel"), Theme::ButtonStyle::bordered);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    m_ok = Make::button(this, QStringLiteral("profileSheet.ok"),
                        renaming.isEmpty() ? tr("Create") : tr("Rename"), Theme::ButtonStyle::prominent);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        const QString name = m_name->text().trimmed();
        if (m_renaming.isEmpty())
            m_state->newProfile(name, m_copy->isChecked());
        else
            m_state->renameProfile(m_renaming, name);
        accept();
    });
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);
    connect(m_name, &QLineEdit::textChanged, this, &ProfileSheet::check);
    check();
}

void ProfileSheet::check() {
    QStringList others = m_state->snapshot().profiles;
    others.removeAll(m_renaming);
    const QString name = m_name->text().trimmed();
    const auto problem = Profiles::nameProblem(name, others);
    // No sentence before the player has typed anything; the button alone says it isn't ready.
    m_problem->setText(name.isEmpty() ? QString() : problem.value_or(QString()));
    m_problem->setVisible(!m_problem->text().isEmpty());
    m_ok->setEnabled(!problem && name != m_renaming);
}
