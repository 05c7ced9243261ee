#include "ui/widgets/Placeholder.h"

#include "ui/Icons.h"
#include "ui/Theme.h"

#include <QLabel>
#include <QVBoxLayout>

Placeholder::Placeholder(const QString& symbol, const QString& title, const QString& message, QWidget* parent)
    : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setSpacing(8);
    column->addStretch();
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("placeholder.icon"));
    icon->setPixmap(Icons::faint(symbol, 40));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("placeholder.title"));
    Theme::style(heading, Theme::TextStyle::headline);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);
    if (message.isEmpty()) {
        column->addStretch();
        return;
    }
    auto* text = new QLabel(message, this);
    text->setObjectName(QStringLiteral("placeholder.message"));
    Theme::style(text, Theme::TextStyle::callout, Theme::secondaryText());
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    // A fixed width: a wrapping label centred in a layout would shrink to its narrowest.
    text->setFixedWidth(340);
    text->setMinimumHeight(text->heightForWidth(340));
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addStretch();
}
