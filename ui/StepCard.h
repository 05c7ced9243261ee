#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

#include <optional>

class QLabel;
class QVBoxLayout;

// One numbered setup step: its mark (a green check when done, else the number in a circle), the
// title with an optional badge, one explanatory sentence and the step's controls. A card looks
// the same whether or not it is the next step to do; only the mark, texts and controls change.
class StepCard : public QFrame {
    Q_OBJECT
public:
    StepCard(int number, const QString& title, QWidget* parent = nullptr);

    int number() const { return m_number; }
    bool done() const { return m_done; }
    QString subtitle() const;
    std::optional<QString> badge() const;
    QWidget* controls() const { return m_controls; }

    void setDone(bool done);
    void setSubtitle(const QString& subtitle);
    void setBadge(const std::optional<QString>& badge);
    // The step's control area; the card takes it over. Hiding it leaves no gap.
    void setControls(QWidget* controls);

    // The symbol name of a step's mark: "checkmark.circle.fill" when done, else "{n}.circle".
    static QString markSymbol(int number, bool done);
    static QPixmap markPixmap(int number, bool done, int size);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_number;
    bool m_done = false;
    bool m_markShown = false;
    QLabel* m_mark;
    QLabel* m_title;
    QLabel* m_badge;
    QLabel* m_subtitle;
    QVBoxLayout* m_column;
    QWidget* m_controls = nullptr;
};
