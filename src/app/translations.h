#pragma once

#include "shell/language.h"

class QCoreApplication;
class QTranslator;

namespace gyro {

// Loads Qt's own Japanese texts (qtbase_ja) so that the standard dialogs (file
// and colour choosers, message boxes, standard buttons) speak the viewer's
// language whatever the desktop's locale. Returns the installed translator,
// owned by `app`, or nullptr when Qt's translations are not installed; the
// viewer then runs with Qt's English texts.
QTranslator* InstallQtTranslations(QCoreApplication& app);

// Makes `language` the language of every text from now on: the viewer's own
// translation (built into the program from translations/gyrosolid_<code>.ts;
// Japanese needs none) and Qt's matching qtbase translation, in place of the
// ones a previous call installed. Qt then sends every widget a LanguageChange
// event. False when the viewer's translation for `language` is missing; the
// texts then stay Japanese.
bool SetInterfaceLanguage(UiLanguage language);

}  // namespace gyro
