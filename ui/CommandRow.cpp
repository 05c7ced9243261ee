#include "ui/CommandRow.h"

#include "app/AppState.h"
#include "ui/Icons.h"
#include "ui/Theme.h"
#include "ui/widgets/Text.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolButton>

namespace {

// A label that re-fits its full text to its width on every resize. Its size hint never asks for
// the full text's width, so a long path can't widen the pane.
class FittedLabel : public QLabel {
public:
    explicit FittedLabel(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    void setFullText(const QString& text) {
        m_full = text;
        refit();
    }
    QSize sizeHint() const override {
        const QFontMetrics fm(font());
        return QSize(qMin(fm.horizontalAdvance(m_full), fm.averageCharWidth() * 40),
                     QLabel::sizeHint().height());
    }
    QSize minimumSizeHint() const override {
        const QFontMetrics fm(font());
        return QSize(fm.averageCharWidth() * 8, QLabel::minimumSizeHint().height());
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        refit();
    }

private:
    void refit() {
        const int width = contentsRect().width();
        setText(width > 0 ? CommandRow::fitted(m_full, fontMetrics(), width) : m_full);
    }
    QString m_full;
};

} // namespace

CommandRow::CommandRow(AppState* state, QWidget* parent) : QWidget(parent), m_state(state) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(6);
    auto* text = new FittedLabel(this);
    text->setObjectName(QStringLiteral("command"));
    text->setFont(Theme::monospaced(11));
    QPalette p = text->palette();
    p.setColor(QPalette::WindowText, Theme::secondaryText());
    text->setPalette(p);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text = text;
    row->addWidget(m_text, 1, Qt::AlignVCenter);

    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("copyButton"));
    m_button->setToolTip(tr("Copy command"));
    m_button->setAutoRaise(true);
    m_button->setIconSize(QSize(14, 14));
    Theme::setButtonStyle(m_button, Theme::ButtonStyle::borderless);
    row->addWidget(m_button, 0, Qt::AlignVCenter);
    connect(m_button, &QToolButton::clicked, this, &CommandRow::copy);
    setCopied(false);
}

void CommandRow::setCommand(const QString& command) {
    if (command == m_command) return;
    m_command = command;
    static_cast<FittedLabel*>(m_text)->setFullText(command);
    m_text->setToolTip(Text::plainToolTip(command));
}

void CommandRow::copy() {
    m_state->copyToClipboard(m_command);
    setCopied(true);
    // Each press schedules its own reset; an earlier one still fires at its time.
    QTimer::singleShot(feedbackMs, this, [this] { setCopied(false); });
}

void CommandRow::setCopied(bool copied) {
    m_copied = copied;
    const QString symbol = copied ? QStringLiteral("checkmark") : QStringLiteral("doc.on.doc");
    m_button->setIcon(Icons::tinted(symbol, copied ? Theme::green() : Theme::secondaryText()));
    m_button->setProperty("symbol", symbol);
}

QString CommandRow::fitted(const QString& text, const QFontMetrics& fm, int width) {
    if (width <= 0 || fm.horizontalAdvance(text) <= width) return text;
    // Two lines' worth, less a character for the break not landing exactly at the edge.
    const QString elided = fm.elidedText(text, Qt::ElideMiddle, 2 * width - fm.maxWidth());
    qsizetype cut = elided.size();
    while (cut > 1 && fm.horizontalAdvance(elided.left(cut)) > width)
        --cut;
    if (cut < elided.size() && elided.at(cut - 1).isHighSurrogate()) --cut;
    // Break after a blank when what follows still fits on the second line.
    for (qsizetype i = cut; i > cut / 2; --i) {
        if (elided.at(i - 1) == QLatin1Char(' ') && fm.horizontalAdvance(elided.mid(i)) <= width) {
            cut = i;
            break;
        }
    }
    QString second = elided.mid(cut);
    if (fm.horizontalAdvance(second) > width) second = fm.elidedText(second, Qt::ElideRight, width);
    return second.isEmpty() ? elided.left(cut) : elided.left(cut) + QLatin1Char('\n') + second;
}

void CommandRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = Theme::quaternary();
    fill.setAlphaF(fill.alphaF() * 0.5f);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), 6, 6);
    painter.fillPath(path, fill);
}
