#pragma once

#include <QColor>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;

// A tinted notice over the mod list: a symbol, a title with a wrapping message, and buttons at
// the trailing end, on a rounded box filled and outlined in the tint.
class Banner : public QWidget {
    Q_OBJECT
public:
    Banner(const QString& symbol, const QColor& tint, qreal fillOpacity, qreal strokeOpacity,
           QWidget* parent = nullptr);

    QLabel* title() const { return m_title; }
    QLabel* message() const { return m_message; }
    void addButton(QPushButton* button);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_tint;
    qreal m_fillOpacity;
    qreal m_strokeOpacity;
    QHBoxLayout* m_row;
    QLabel* m_title;
    QLabel* m_message;
};
