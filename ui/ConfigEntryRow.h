#pragma once

#include "config/ConfigStore.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class Switch;

// One setting in the config editor: its key (with a dot while edited), description and default,
// and the control its kind calls for. Every change is reported as text, exactly as the file
// will receive it; nothing is validated.
class ConfigEntryRow : public QWidget {
    Q_OBJECT
public:
    enum class Kind { toggle, choice, slider, number, text };

    ConfigEntryRow(const ConfigEntry& entry, const QString& value, QWidget* parent = nullptr);

    const ConfigEntry& entry() const { return m_entry; }
    Kind kind() const { return m_kind; }
    QString value() const { return m_value; }
    bool isModified() const { return m_value != m_entry.originalValue; }

    static Kind kindFor(const ConfigEntry& entry, const QString& value);
    // An integer setting: rounded, halves away from zero. Otherwise "%.4f" without trailing zeros
    // or point: 0.5 → "0.5", 2.0 → "2", 1/3 → "0.3333".
    static QString format(double value, bool integer);
    // A bound label: whole numbers without decimals.
    static QString compact(double value);
    // The whole text as a floating-point number, no blanks allowed.
    static std::optional<double> parseNumber(const QString& text);
    // Where the slider stands for a value: the number, else the range's lower bound (0 without one).
    static double sliderReading(const ConfigEntry& entry, const QString& value);

Q_SIGNALS:
    void valueEdited(const QString& entryId, const QString& value);

private:
    void setValue(const QString& value, QObject* source);
    void syncSlider();
    int sliderPosition(double value) const;
    double sliderValue(int position) const;

    ConfigEntry m_entry;
    QString m_value;
    Kind m_kind;
    QWidget* m_dot = nullptr;
    Switch* m_toggle = nullptr;
    QComboBox* m_choice = nullptr;
    QLineEdit* m_field = nullptr;
    QSlider* m_slider = nullptr;
};
