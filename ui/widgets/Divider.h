#pragma once

#include <QColor>
#include <QWidget>

// A hairline across the full width, in the separator colour unless told otherwise.
class Divider : public QWidget {
    Q_OBJECT
public:
    explicit Divider(QWidget* parent = nullptr, const QColor& color = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};
