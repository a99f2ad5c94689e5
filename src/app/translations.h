// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language for the texts of the window, its dialogs and the
// status lines. English is the source text; a translation is a Qt .qm file
// built into the programs. What the jobs write into pages, sheets and the
// settings file is not translated.
#include <QString>

namespace folio {

// The language the environment asks for, read as gettext does: LANGUAGE (a
// colon-separated list), then LC_ALL, LC_MESSAGES and LANG. Returns the first
// language we have a translation for ("ja"), or "en" when none fits; "C" and
// "POSIX" mean English. The C runtime's locale is left alone.
QString LanguageFromEnvironment();

// Installs the translation of `language` ("ja") into the running
// application, replacing one installed before; "en" (or a language we have
// no translation for) removes it. Returns whether a translation is in place.
bool InstallTranslation(const QString& language);

// InstallTranslation(LanguageFromEnvironment()). Called before the
// application object exists, it keeps the translation for Translated(); call
// it again once the application is there.
bool InstallUserTranslation();

// QCoreApplication::translate, also before the application object exists.
QString Translated(const char* context, const char* source);

}  // namespace folio
