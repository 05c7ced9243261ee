#pragma once

#include <QString>
#include <QWidget>

class AppState;
class QLabel;
class QToolButton;

// A command the player can copy: monospaced, selectable, truncated in the middle to at most two
// lines, with a copy button that shows a check for 1.5 s after each press.
class CommandRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int feedbackMs = 1500;

    explicit CommandRow(AppState* state, QWidget* parent = nullptr);

    void setCommand(const QString& command);
    QString command() const { return m_command; }
    bool copied() const { return m_copied; }

    // The text as shown: the command, or its middle-truncated form on at most two lines that
    // each fit `width` pixels in `metrics`.
    static QString fitted(const QString& text, const QFontMetrics& fm, int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void copy();
    void setCopied(bool copied);

    AppState* m_state;
    QString m_command;
    bool m_copied = false;
    QLabel* m_text;
    QToolButton* m_button;
};
