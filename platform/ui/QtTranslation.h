// One Japanese locale for every program, whatever the user's LANG: Qt's own
// texts (the buttons, labels and column headers of the file, colour, font
// and print dialogs), its calendars and the dates and file types its file
// dialog shows read Japanese like every other text of the programs.
#ifndef PLATFORM_UI_QT_TRANSLATION_H
#define PLATFORM_UI_QT_TRANSLATION_H

class QCoreApplication;
class QTranslator;

namespace platform {

// The locale part: Japanese as the default locale (calendars, day and
// month names, the file types of the file dialog) and as the system
// locale's date and time formats (the file dialog's dates). Call it first
// thing in main, before the application object exists: Qt reads the
// system locale once, the first time anything asks for it. Safe to call
// again; the environment is left as it was.
void JapaneseLocaleSet();

// The text part: installs Qt's Japanese translation into app, and a small
// one of ours for the few texts of Qt's dialogs that translation lacks.
// Called once at start-up by every program, after JapaneseLocaleSet; it
// sets the default locale too, for callers that could not call that
// early. The translators belong to app. Null when Qt's translation is not
// installed: Qt's dialogs then speak English.
QTranslator* QtJapaneseLoad(QCoreApplication& app);

}  // namespace platform

#endif
