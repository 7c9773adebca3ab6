#include "shared/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zav::ui {
namespace {

bool Install(QTranslator& translator, const QString& file, const QString& folder) {
    if (!translator.isEmpty()) return true;
    return translator.load(file, folder) && QCoreApplication::installTranslator(&translator);
}

}  // namespace

bool InstallQtSpanish() {
    static QTranslator translator;
    return Install(translator, QStringLiteral("qtbase_es"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool InstallEnglish() {
    static QTranslator translator;
    return Install(translator, QString::fromLatin1(kEnglishTranslation), QString());
}

bool InstallInterfaceLanguage(const QLocale& locale) {
    return locale.language() == QLocale::English ? InstallEnglish() : InstallQtSpanish();
}

QString EarlyTranslation(const char* context, const char* source, const QLocale& locale) {
    if (locale.language() == QLocale::English) {
        static QTranslator english;
        static const bool loaded = english.load(QString::fromLatin1(kEnglishTranslation));
        const QString translated = loaded ? english.translate(context, source) : QString();
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(source);
}

}  // namespace zav::ui
