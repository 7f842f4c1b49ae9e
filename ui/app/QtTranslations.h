#pragma once

class QCoreApplication;
class QLocale;

namespace rokal {

// Installs Qt's own translations ("qtbase", from Qt's translations folder) for the
// locale, so that Qt's texts in every window, such as the edit menus of inputs and
// the buttons of dialogs, are in the user's language. Returns false, and installs
// nothing, when Qt has no translation for that locale.
bool InstallQtTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace rokal
