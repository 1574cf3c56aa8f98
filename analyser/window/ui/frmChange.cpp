#include "frmChange.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

#include "AnalyserFonts.h"
#include "frmdetails.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"

namespace analyser::ui {

frmChange::frmChange(ChangePaths& paths, Picker picker, Message message, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      paths_(paths),
      picker_(std::move(picker)),
      message_(std::move(message)) {
    Design();
    txtFramefile->setText(QString::fromStdString(paths_.g_frmFilename));
    txtLinkfile->setText(QString::fromStdString(paths_.g_linkFileName));
}

void frmChange::Design() {
    setObjectName(QStringLiteral("frmChange"));
    setWindowTitle(QStringLiteral("プロトコル変換"));
    setFont(DialogFont());
    setModal(true);
    txtFramefile->setObjectName(QStringLiteral("txtFramefile"));
    txtLinkfile->setObjectName(QStringLiteral("txtLinkfile"));
    txtFramefile->setMinimumWidth(txtFramefile->fontMetrics().averageCharWidth() * 48);
    for (auto [box, edit, button] : {std::tuple{frameFrame, txtFramefile, cmdFrameFile},
                                     std::tuple{frameLink, txtLinkfile, cmdLinkfile}}) {
        auto* row = new QHBoxLayout(box);
        row->addWidget(edit, 1);
        row->addWidget(button);
        button->setAutoDefault(false);
    }
    cmdFrameFile->setObjectName(QStringLiteral("cmdFrameFile"));
    cmdLinkfile->setObjectName(QStringLiteral("cmdLinkfile"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCanse->setObjectName(QStringLiteral("cmdCanse"));
    cmdOK->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameFrame);
    layout->addWidget(frameLink);
    layout->addLayout(platform::ButtonRow({cmdOK, cmdCanse}));
    cmdOK->setDefault(true);
    const auto on = [this](QPushButton* b, void (frmChange::*click)()) {
        connect(b, &QPushButton::clicked, this, [this, click] { platform::NoThrow("frmChange", [&] { (this->*click)(); }); });
    };
    on(cmdFrameFile, &frmChange::cmdFrameFile_Click);
    on(cmdLinkfile, &frmChange::cmdLinkfile_Click);
    on(cmdOK, &frmChange::cmdOK_Click);
    connect(cmdCanse, &QPushButton::clicked, this, &QDialog::reject);
}

void frmChange::cmdFrameFile_Click() {
    if (!picker_) return;
    const std::string path = picker_(kPickFrameConfig).Path;
    if (!path.empty()) txtFramefile->setText(QString::fromStdString(path));
}

void frmChange::cmdLinkfile_Click() {
    if (!picker_) return;
    const std::string path = picker_(kPickLinkTable).Path;
    if (!path.empty()) txtLinkfile->setText(QString::fromStdString(path));
}

void frmChange::cmdOK_Click() {
    if (txtFramefile->text().isEmpty()) {
        if (message_) message_(kMsgNoFile, platform::kMsgIconExclamation);
        return;
    }
    paths_.g_frmFilename = txtFramefile->text().toStdString();
    paths_.g_linkFileName = txtLinkfile->text().toStdString();
    accept();  // closed before the new window opens
    if (target_) target_->frmDtldtl(paths_.g_frmFilename, paths_.g_linkFileName);
}

}  // namespace analyser::ui
