// Dissecto, the protocol analyser: shows the frames of a KYP frame file as
// a paged chart.
#include <QApplication>

#include <cstdio>
#include <exception>

#include "DissectoApp.h"
#include "EditorsMenu.h"
#include "platform/ui/QtTranslation.h"

int main(int argc, char** argv) {
    platform::JapaneseLocaleSet();
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(analyser::ui::DissectoApp::kAppTitle));
    try {
        analyser::ui::DissectoApp::QtJapaneseLoad(qt);
        analyser::ui::DissectoApp app(analyser::ui::DissectoApp::ProgramFolder());
        // The editors pick their files with the analyser's own picker.
        app.Start(analyser::ui::DissectoApp::CommandLineText(argc, argv), [&app](analyser::ui::frmMain& main) {
            analyser::editors::ui::EditorsMenuHookUp(main, [&app](int16_t kind) { return app.Dialogs().PickFile(kind).Path; });
        });
        return app.Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Dissecto: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Dissecto: unexpected failure\n");
    }
    return 1;
}
