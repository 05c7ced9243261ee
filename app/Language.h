#pragma once

#include <QString>
#include <QStringList>

// Which language the player reads. The system's, unless Settings names one; SKALDRUN_LANGUAGE
// (a code such as "de", or "pseudo") overrides both, for screenshots and for tests that pin English.
namespace Language {

// An accented, 40% longer English that shows untranslated and cut-off text at a glance.
inline const QString pseudo = QStringLiteral("pseudo");

// The languages shipped inside the programs ("de", "pt_BR", …), by code.
QStringList shipped();
// The language's name for itself ("Deutsch"), as the language menu shows it.
QString nativeName(const QString& code);

// What Settings holds: a shipped code, or empty for the system's language.
QString chosen();
void choose(const QString& code);

// Loads the translation the environment, Settings or the system asks for into the running
// application (Qt's own texts too, where Qt ships them). Returns the code in use, "en" for none.
QString install();

// The pseudo-language's form of an English text: letters accented, placeholders (%1, %n, %L2),
// markup and entities kept as they are, padded to at least 40% longer.
QString pseudoOf(const QString& english);

} // namespace Language
