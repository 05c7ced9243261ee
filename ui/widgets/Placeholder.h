#pragma once

#include <QWidget>

// A centred column: a faint symbol, a title and a message, for an empty list.
class Placeholder : public QWidget {
    Q_OBJECT
public:
    Placeholder(const QString& symbol, const QString& title, const QString& message,
                QWidget* parent = nullptr);
};
