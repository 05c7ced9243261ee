#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QAbstractScrollArea;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QVariantAnimation;
class QVBoxLayout;

// Small controls the panes share, drawn with the theme's colours.

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

// The white rounded card of an inset list, with hairlines between its visible rows.
class InsetCard : public QWidget {
    Q_OBJECT
public:
    explicit InsetCard(QWidget* parent = nullptr);
    QVBoxLayout* rows() const { return m_rows; }
    void setSeparatorInset(int inset) { m_separatorInset = inset; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* m_rows;
    int m_separatorInset = 12;
};

// A segmented picker: a grey track with the chosen segment raised on a white pill.
class SegmentedControl : public QWidget {
    Q_OBJECT
public:
    explicit SegmentedControl(QWidget* parent = nullptr);
    QPushButton* addSegment(const QString& text, const QString& objectName);
    int currentIndex() const;
    void setCurrentIndex(int index);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QButtonGroup* m_group;
};

// A search field on a faint rounded background: a magnifying glass and a borderless text field.
class SearchField : public QWidget {
    Q_OBJECT
public:
    SearchField(const QString& placeholder, const QString& objectName, QWidget* parent = nullptr);
    QLineEdit* lineEdit() const { return m_edit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* m_edit;
};

// A centred column: a faint symbol, a title and a message, for an empty list.
class Placeholder : public QWidget {
    Q_OBJECT
public:
    Placeholder(const QString& symbol, const QString& title, const QString& message,
                QWidget* parent = nullptr);
};

// A hairline across the full width.
class Divider : public QWidget {
    Q_OBJECT
public:
    explicit Divider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

namespace Controls {
// A bordered button of the small size: white, hairline border, rounded.
void makeBordered(QPushButton* button, bool small = true);
// The accent-filled button of the recommended action, small size.
void makeProminent(QPushButton* button, bool small = true);
// A symbol in its own colours, made faint (for large placeholder symbols).
QPixmap faintSymbol(const QString& name, int size, qreal opacity);
// A thin scroll bar without arrows, like the system's overlay scrollers.
void slimScrollBars(QAbstractScrollArea* area);
} // namespace Controls
