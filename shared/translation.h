#pragma once
// The interface language. Spanish is the source language of every text, so a Spanish (or any
// non-English) locale needs no translation of ours; an English locale gets the English one.
#include <QLocale>
#include <QString>

namespace zav::ui {

// Where the programs' English translation is embedded (translations/zavtype_en.ts).
inline constexpr char kEnglishTranslation[] = ":/i18n/zavtype_en.qm";

// Installs the language the locale asks for: English when its language is English, otherwise
// Spanish with Qt's own Spanish for its standard dialogs and buttons. Only one translation file is
// read either way, so start-up stays quick. False when that file could not be loaded.
bool InstallInterfaceLanguage(const QLocale& locale = QLocale());
// Qt's own Spanish (Debian qt6-translations-l10n), for the buttons of Qt's standard dialogs.
bool InstallQtSpanish();
// The programs' English translation; false when it is not embedded in this program.
bool InstallEnglish();

// The text in the interface language without an application object, for what a program answers
// before Qt starts (--help) and for programs without one (zavtool).
QString EarlyTranslation(const char* context, const char* source,
                         const QLocale& locale = QLocale());

}  // namespace zav::ui
