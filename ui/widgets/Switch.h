#pragma once

#include <QAbstractButton>

class QVariantAnimation;

// An on/off switch. By default a click flips it; with followsClicks off it only asks
// (toggleRequested) and shows whatever its owner sets afterwards, so the model stays the truth.
class Switch : public QAbstractButton {
    Q_OBJECT
public:
    explicit Switch(QWidget* parent = nullptr);
    void setFollowsClicks(bool follows) { m_followsClicks = follows; }
    // Where the knob is drawn: 0 off … 1 on; between the two while it slides.
    qreal position() const { return m_position; }
    QSize sizeHint() const override;

Q_SIGNALS:
    void toggleRequested(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void checkStateSet() override;

private:
    void animateTo(bool on);
    bool m_followsClicks = true;
    qreal m_position = 0; // 0 off … 1 on
    QVariantAnimation* m_animation;
};
