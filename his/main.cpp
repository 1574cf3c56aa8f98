// Rewindo, the history viewer: opens the KY2 files a capture wrote and
// shows them page by page.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "PortelloModel.h"
#include "RewindoApp.h"
#include "platform/ui/QtTranslation.h"

namespace {

int RunRewindo(int argc, char** argv) {
    using viewer::ui::RewindoApp;
    const std::string folder = RewindoApp::ProgramFolder();
    // The model is the first call into the library; without the library
    // the viewer cannot go on.
    std::unique_ptr<viewer::ui::PortelloModel> library = viewer::ui::LoadPortelloModel(
        folder + "/libportello.so", [](const std::string& why) {
            std::fprintf(stderr, "Rewindo: the device library cannot be used (%s)\n", why.c_str());
            std::exit(2);
        });
    RewindoApp app(*library, folder);
    app.Start(RewindoApp::CommandLineText(argc, argv));
    return app.Run();
}

}  // namespace

int main(int argc, char** argv) {
    platform::JapaneseLocaleSet();
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(viewer::ui::RewindoApp::kAppTitle));
    platform::QtJapaneseLoad(qt);
    try {
        return RunRewindo(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Rewindo: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Rewindo: unexpected failure\n");
    }
    return 1;
}
