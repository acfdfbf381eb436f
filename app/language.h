#pragma once

class QCoreApplication;
class QTranslator;

namespace kb {

// Puts Qt's own texts (file and print dialogs, the buttons of message boxes)
// into Japanese from the translation installed with Qt. Returns the installed
// translator, owned by the application, or null when the system has none.
QTranslator *installQtTranslation(QCoreApplication *app);

} // namespace kb
