#pragma once

class QCoreApplication;
class QTranslator;

namespace gyro {

// Loads Qt's own Japanese texts (qtbase_ja) so that the standard dialogs (file
// and colour choosers, message boxes, standard buttons) speak the viewer's
// language whatever the desktop's locale. Returns the installed translator,
// owned by `app`, or nullptr when Qt's translations are not installed; the
// viewer then runs with Qt's English texts.
QTranslator* InstallQtTranslations(QCoreApplication& app);

}  // namespace gyro
