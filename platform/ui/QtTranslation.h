// Qt's own texts (the buttons and labels of the file, colour, font and
// print dialogs) in Japanese, like every other text of the programs.
#ifndef PLATFORM_UI_QT_TRANSLATION_H
#define PLATFORM_UI_QT_TRANSLATION_H

class QCoreApplication;
class QTranslator;

namespace platform {

// Installs Qt's Japanese translation into app; called once at start-up by
// every program. The translator belongs to app. Null when the translation
// is not installed: Qt's dialogs then speak English.
QTranslator* QtJapaneseLoad(QCoreApplication& app);

}  // namespace platform

#endif
