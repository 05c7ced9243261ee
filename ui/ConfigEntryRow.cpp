#include "ui/ConfigEntryRow.h"

#include "ui/Theme.h"
#include "ui/widgets/Switch.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

// A continuous slider moves over this many steps.
constexpr int continuousSteps = 1000;

class ModifiedDot : public QWidget {
public:
    explicit ModifiedDot(QWidget* parent) : QWidget(parent) {
        setFixedSize(6, 6);
        setToolTip(ConfigEntryRow::tr("Modified — not saved yet"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Theme::accent());
        p.drawEllipse(QRectF(rect()));
    }
};

QLineEdit* roundedField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setStyleSheet(
        QStringLiteral("QLineEdit { background: %3; border: 1px solid %1; border-radius: 5px;"
                       " padding: 2px 6px; }"
                       "QLineEdit:focus { border: 1px solid %2; }")
            .arg(Theme::css(Theme::hairline()), Theme::css(Theme::accent()),
                 Theme::css(Theme::controlBackground())));
    return field;
}

} // namespace

std::optional<double> ConfigEntryRow::parseNumber(const QString& text) {
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace()) return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString ConfigEntryRow::format(double value, bool integer) {
    // Past qint64 (a bound of a huge Single range) the cast would be undefined; such a whole
    // number prints exactly through "%.4f" below.
    if (integer && std::abs(value) < 0x1p63) return QString::number(qint64(std::round(value)));
    QString text = QString::asprintf("%.4f", value);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
    return text;
}

QString ConfigEntryRow::compact(double value) {
    return format(value, value == std::floor(value));
}

double ConfigEntryRow::sliderReading(const ConfigEntry& entry, const QString& value) {
    if (auto number = parseNumber(value)) return *number;
    return entry.range ? entry.range->lower : 0.0;
}

ConfigEntryRow::Kind ConfigEntryRow::kindFor(const ConfigEntry& entry, const QString& value) {
    if (entry.isBool()) return Kind::toggle;
    if (entry.acceptableValues) {
        const QStringList& values = *entry.acceptableValues;
        // A combined flag value ("A, B") isn't one of the choices; a menu couldn't show it.
        if (!values.isEmpty() && values.size() <= 60 &&
            (!value.contains(QLatin1Char(',')) || values.contains(value)))
            return Kind::choice;
    }
    // A whole-step slider counts in int; a wider integer range (Int64, UInt64) can't be stepped
    // through whole and couldn't be written back exactly from a scaled position: a field only.
    const bool wholeStepsFit = !entry.range || !entry.isIntegerType() ||
                               (std::ceil(entry.range->lower) >= std::numeric_limits<int>::min() &&
                                std::floor(entry.range->upper) <= std::numeric_limits<int>::max());
    if (entry.range && wholeStepsFit && (entry.isNumeric() || parseNumber(entry.originalValue)))
        return Kind::slider;
    if (entry.isNumeric()) return Kind::number;
    return Kind::text;
}

ConfigEntryRow::ConfigEntryRow(const ConfigEntry& entry, const QString& value, QWidget* parent)
    : QWidget(parent), m_entry(entry), m_value(value), m_kind(kindFor(entry, value)) {
    const QString base = QStringLiteral("configEntry.") + entry.id;
    setObjectName(base);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 8, 12, 8);
    column->setSpacing(6);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    auto* keyLine = new QHBoxLayout;
    keyLine->setSpacing(6);
    auto* key = new QLabel(entry.key, this);
    key->setObjectName(base + QStringLiteral(".key"));
    key->setTextFormat(Qt::PlainText);
    key->setFont(Theme::font(Theme::TextStyle::body, QFont::Medium));
    keyLine->addWidget(key);
    m_dot = new ModifiedDot(this);
    m_dot->setObjectName(base + QStringLiteral(".dot"));
    keyLine->addWidget(m_dot, 0, Qt::AlignVCenter);
    keyLine->addStretch();
    text->addLayout(keyLine);
    if (!entry.description.isEmpty()) {
        auto* description = new QLabel(entry.description, this);
        description->setTextFormat(Qt::PlainText);
        description->setWordWrap(true);
        Theme::style(description, Theme::TextStyle::caption, Theme::secondaryText());
        text->addWidget(description);
    }
    if (entry.defaultValue && !entry.defaultValue->isEmpty()) {
        auto* fallback = new QLabel(tr("Default: %1").arg(*entry.defaultValue), this);
        fallback->setTextFormat(Qt::PlainText);
        Theme::style(fallback, Theme::TextStyle::caption2, Theme::tertiaryText());
        text->addWidget(fallback);
    }
    top->addLayout(text, 1);

    switch (m_kind) {
    case Kind::toggle:
        m_toggle = new Switch(this);
        m_toggle->setObjectName(base + QStringLiteral(".toggle"));
        m_toggle->setChecked(value.trimmed().toLower() == QLatin1String("true"));
        connect(m_toggle, &Switch::toggled, this, [this](bool on) {
            setValue(on ? QStringLiteral("true") : QStringLiteral("false"), m_toggle);
        });
        top->addWidget(m_toggle, 0, Qt::AlignTop);
        break;
    case Kind::choice:
        m_choice = new QComboBox(this);
        m_choice->setObjectName(base + QStringLiteral(".choice"));
        m_choice->addItems(*entry.acceptableValues);
        m_choice->setCurrentIndex(int(entry.acceptableValues->indexOf(value)));
        m_choice->setMinimumWidth(110);
        Theme::setSmall(m_choice);
        connect(m_choice, &QComboBox::activated, this,
                [this](int i) { setValue(m_choice->itemText(i), m_choice); });
        top->addWidget(m_choice, 0, Qt::AlignTop);
        break;
    case Kind::slider:
    case Kind::number:
        m_field = roundedField(base + QStringLiteral(".field"), this);
        m_field->setFixedWidth(m_kind == Kind::slider ? 76 : 110);
        m_field->setText(value);
        connect(m_field, &QLineEdit::textEdited, this, [this](const QString& t) { setValue(t, m_field); });
        top->addWidget(m_field, 0, Qt::AlignTop);
        break;
    case Kind::text:
        break;
    }
    column->addLayout(top);

    if (m_kind == Kind::slider && entry.range) {
        auto* bottom = new QHBoxLayout;
        bottom->setSpacing(8);
        auto* lower = new QLabel(compact(entry.range->lower), this);
        lower->setObjectName(base + QStringLiteral(".lower"));
        Theme::style(lower, Theme::TextStyle::caption, Theme::secondaryText());
        bottom->addWidget(lower);
        m_slider = new QSlider(Qt::Horizontal, this);
        m_slider->setObjectName(base + QStringLiteral(".slider"));
        if (entry.isIntegerType()) {
            m_slider->setRange(int(std::ceil(entry.range->lower)), int(std::floor(entry.range->upper)));
            m_slider->setSingleStep(1);
            m_slider->setPageStep(1);
        } else {
            m_slider->setRange(0, continuousSteps);
            m_slider->setPageStep(continuousSteps / 10);
        }
        syncSlider();
        connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
            setValue(format(sliderValue(position), m_entry.isIntegerType()), m_slider);
        });
        bottom->addWidget(m_slider, 1);
        auto* upper = new QLabel(compact(entry.range->upper), this);
        upper->setObjectName(base + QStringLiteral(".upper"));
        Theme::style(upper, Theme::TextStyle::caption, Theme::secondaryText());
        bottom->addWidget(upper);
        column->addLayout(bottom);
    } else if (m_kind == Kind::text) {
        m_field = roundedField(base + QStringLiteral(".field"), this);
        m_field->setText(value);
        connect(m_field, &QLineEdit::textEdited, this, [this](const QString& t) { setValue(t, m_field); });
        column->addWidget(m_field);
    }
    m_dot->setVisible(isModified());
}

int ConfigEntryRow::sliderPosition(double value) const {
    if (m_entry.isIntegerType())
        return int(std::clamp(std::round(value), double(m_slider->minimum()), double(m_slider->maximum())));
    const double span = m_entry.range->upper - m_entry.range->lower;
    const double t = std::clamp((value - m_entry.range->lower) / span, 0.0, 1.0);
    return int(std::round(t * continuousSteps));
}

double ConfigEntryRow::sliderValue(int position) const {
    if (m_entry.isIntegerType()) return position;
    return m_entry.range->lower + (m_entry.range->upper - m_entry.range->lower) * position / continuousSteps;
}

void ConfigEntryRow::syncSlider() {
    const QSignalBlocker quiet(m_slider);
    m_slider->setValue(sliderPosition(sliderReading(m_entry, m_value)));
}

void ConfigEntryRow::setValue(const QString& value, QObject* source) {
    m_value = value;
    // Keep the other control of a slider row in step with the one the user moved.
    if (m_field && source != m_field) {
        const QSignalBlocker quiet(m_field);
        m_field->setText(value);
    }
    if (m_slider && source != m_slider) syncSlider();
    m_dot->setVisible(isModified());
    Q_EMIT valueEdited(m_entry.id, value);
}
