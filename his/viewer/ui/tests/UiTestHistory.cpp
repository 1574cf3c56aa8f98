#include "UiTestHistory.h"

#include <QApplication>

#include "his/store/FileSave.h"
#include "his/store/ui/frmBar.h"
#include "platform/file/AtomicFile.h"
#include "platform/ui/MsgBoxWindow.h"

namespace viewer::ui::test {

std::unique_ptr<store::clsCommon> HistoryBuild(const HistoryPlan& plan) {
    auto doc = std::make_unique<store::clsCommon>();
    doc->Direction(plan.direction);
    doc->DspMode(plan.dspMode);
    doc->MonitorStart(kDay0);
    int record = 0;
    auto add = [&](uint8_t dir, uint8_t data) {
        const uint8_t attr = static_cast<uint8_t>(dir | (record == plan.triggerAt ? kTrig : 0));
        doc->RecordAdd(kDay0 + record / 86400.0, attr, data);
        ++record;
    };
    int n = 0;
    for (uint8_t byte : plan.sd) {
        const uint8_t dir = plan.direction == 2 ? kRd : kSd;
        add(dir, byte);
        if (plan.rdEvery > 0 && ++n % plan.rdEvery == 0) add(kRd, static_cast<uint8_t>(0x30 + n % 10));
    }
    return doc;
}

bool HistoryWrite(const std::string& path, const HistoryPlan& plan) {
    // The saver writes stand-alone files; a chain needs the header and data
    // writers by themselves.
    const auto doc = HistoryBuild(plan);
    platform::AtomicFile file(path);
    file.Write(store::Ky2HeaderText(*doc, plan.preced, plan.follow));
    store::HistoryDataWrite(*doc, file, store::SaveRange{});
    return file.Commit();
}

std::vector<uint8_t> Letters(int n) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<uint8_t>('A' + i % 26));
    return bytes;
}

BoxAnswerer::BoxAnswerer() {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void BoxAnswerer::Poll() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        if (auto* box = qobject_cast<platform::MsgBoxWindow*>(w)) {
            Messages.push_back(box->lblMessege->text().toStdString());
            box->cmdOk->click();
            return;
        }
        if (auto* bar = qobject_cast<store::frmBar*>(w); bar != nullptr && CancelProgress &&
            bar->ProgressBar1->value() >= CancelProgressAt * bar->ProgressBar1->maximum()) {
            bar->cmdCancel->click();
        }
    }
}

ViewerFixture::ViewerFixture() {
    Ctx = std::make_unique<ViewerContext>(Folder.path());
    Ctx->CommonInit();
    Main = std::make_unique<frmMain>(*Ctx, "Rewindo", "1.0.0");
    Main->Form_Load("");
    Main->resize(1000, 700);
    Main->show();
    Main->GridColorSet();
}

ViewerFixture::~ViewerFixture() {
    Main.reset();
    Ctx.reset();
}

}  // namespace viewer::ui::test
