// Dissecto, the protocol analyser: shows the frames of a KYP frame file as
// a paged chart.
#include <QApplication>

#include <cstdio>
#include <exception>

#include "DissectoApp.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(analyser::ui::DissectoApp::kAppTitle));
    try {
        analyser::ui::DissectoApp::QtJapaneseLoad(qt);
        analyser::ui::DissectoApp app(analyser::ui::DissectoApp::ProgramFolder());
        app.Start(analyser::ui::DissectoApp::CommandLineText(argc, argv));
        return app.Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Dissecto: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Dissecto: unexpected failure\n");
    }
    return 1;
}
