#pragma once

#include <QWidget>

class QTimer;

// The indeterminate progress indicator: spokes fading round a circle. Turns only while shown.
class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(int size, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {m_size, m_size}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int m_size;
    int m_step = 0;
    QTimer* m_timer;
};
