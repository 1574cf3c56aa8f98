#include "ViewerContext.h"

#include <QCursor>
#include <QGuiApplication>

#include <utility>

#include "Colors.h"
#include "his/store/CodeTable.h"
#include "his/store/Ky1ProcessSource.h"
#include "his/store/clsConver.h"

namespace viewer::ui {

ViewerContext::ViewerContext(std::string programFolder)
    : Ky1SourceMake([this] { return Ky1ReaderStart(); }),
      Ky1ReaderPath(programFolder + "/ky1read"),
      programFolder_(std::move(programFolder)) {}

std::unique_ptr<store::Ky1Source> ViewerContext::Ky1ReaderStart() {
    store::Ky1ProcessSource::Options options;
    options.command = {Ky1ReaderPath};
    options.progress = gBar.get();
    return std::make_unique<store::Ky1ProcessSource>(std::move(options));
}

void ViewerContext::CommonInit() {
    gCommon = std::make_unique<store::clsCommon>();
    gMsgBox = std::make_unique<store::clsMsgBox>();
    gBar = std::make_unique<store::clsBar>();
    store::CodeTableRead();
    // A fresh state is exactly the start-up one: nothing loaded, no marks,
    // no time base, default colours.
    State = ViewerState{};
    State.Colors = DefaultColors();
    State.TimeBaseRecord = -1;
    viewer::ColorIniRead(IniPath(), State.Colors);
    DBRead = [this](const std::string& ky1Path) { return Ky1Convert(ky1Path); };
}

bool ViewerContext::Ky1Convert(const std::string& ky1Path) {
    ConvertedParts.clear();
    if (!gBar || !Ky1SourceMake) return false;
    const std::unique_ptr<store::Ky1Source> source = Ky1SourceMake();
    store::clsConver conver(*source, *gBar, [this](bool busy) { ConversionBusy(busy); });
    const bool converted = conver.DBRead(ky1Path);
    ConvertedParts = conver.Parts();
    return converted;
}

void ViewerContext::ConversionBusy(bool busy) {
    if (MainWindow) MainWindow->setEnabled(!busy);
    if (qGuiApp == nullptr) return;
    if (busy) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void ViewerContext::Release() {
    gBar.reset();
    gMsgBox.reset();
    gCommon.reset();
}

std::string ViewerContext::IniPath() const { return ColorIniPath(programFolder_); }

void ViewerContext::ColorIniWrite() const { viewer::ColorIniWrite(IniPath(), State.Colors); }

}  // namespace viewer::ui
