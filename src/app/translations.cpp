// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace folio {

namespace {

// Built into the programs as resources; see translations/.
const QString kTranslationPrefix = QStringLiteral(":/i18n/folioscope_");

bool HaveTranslation(const QString& language) {
  return QFile::exists(kTranslationPrefix + language + QStringLiteral(".qm"));
}

QString WithoutCodeset(const QString& locale) {
  return locale.section(u'.', 0, 0).section(u'@', 0, 0);
}

// "C", "POSIX", "C.UTF-8", or no locale at all.
bool IsCLocale(const QString& locale) {
  const QString name = WithoutCodeset(locale);
  return name.isEmpty() || name == u"C" || name == u"POSIX";
}

// "ja_JP.UTF-8@euro" -> "ja"; the C locale -> "en".
QString LanguageOfLocale(const QString& locale) {
  if (IsCLocale(locale)) return QStringLiteral("en");
  return WithoutCodeset(locale).section(u'_', 0, 0).toLower();
}

std::unique_ptr<QTranslator>& Installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

QString LanguageFromEnvironment() {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = qEnvironmentVariable(name);
    if (!locale.isEmpty()) break;
  }
  // As gettext: LANGUAGE comes first, except under the C locale, which
  // always means the source texts.
  if (IsCLocale(locale)) return QStringLiteral("en");
  for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
    const QString language = LanguageOfLocale(entry);
    if (language == u"en" || HaveTranslation(language)) return language;
  }
  const QString fromLocale = LanguageOfLocale(locale);
  if (HaveTranslation(fromLocale)) return fromLocale;
  return QStringLiteral("en");
}

bool InstallTranslation(const QString& language) {
  std::unique_ptr<QTranslator>& installed = Installed();
  if (installed) {
    if (QCoreApplication::instance()) QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  if (language == u"en" || !HaveTranslation(language)) return false;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(kTranslationPrefix + language + QStringLiteral(".qm"))) return false;
  // Before the application object exists (the command line's usage errors)
  // the translation is only kept, and Translated() asks it directly.
  if (QCoreApplication::instance() && !QCoreApplication::installTranslator(translator.get()))
    return false;
  installed = std::move(translator);
  return true;
}

QString Translated(const char* context, const char* source) {
  const std::unique_ptr<QTranslator>& kept = Installed();
  const QString text = kept ? kept->translate(context, source) : QString();
  if (!text.isEmpty()) return text;
  if (QCoreApplication::instance()) return QCoreApplication::translate(context, source);
  return QString::fromUtf8(source);
}

bool InstallUserTranslation() { return InstallTranslation(LanguageFromEnvironment()); }

}  // namespace folio
