#pragma once

#include <QLabel>

// One line of text that ends in "…" when the label is narrower than the text, and never asks
// for more width than a few characters.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void setFullText(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refit();
    QString m_full;
};
