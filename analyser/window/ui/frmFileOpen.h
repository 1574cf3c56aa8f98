// The analyser's picker of frame configurations (KYF) and link tables
// (KYL): for a chosen folder it lists the names stored inside the files,
// not the file names, and answers the path of the file behind the chosen
// name. Every command that reads a KYF or KYL file picks it here.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/FolderChooser.h"

namespace frames {
class clsFrameConfig;
class clsLink;
}

namespace analyser::ui {

// Picker kinds.
inline constexpr int16_t kPickFrameConfig = 0;
inline constexpr int16_t kPickLinkTable = 1;

// What a pick answers: the chosen file ("" after a Cancel) and the folder
// listed last, where the next picker of the kind should open.
struct FilePick {
    std::string Path;
    std::string Folder;
};

class frmFileOpen : public QDialog {
    Q_OBJECT

public:
    // Opens on folder (a folder that does not exist leaves the tree where
    // it starts) and lists it, centred on placeOver. The picker belongs to
    // no window, so a caller may disable its own meanwhile.
    frmFileOpen(int16_t vType, const std::string& folder, QWidget* placeOver);
    ~frmFileOpen() override;

    // Runs the picker modally and answers what was chosen.
    static FilePick fFileOpen(int16_t vType, const std::string& folder, QWidget* placeOver);

    const std::string& Result() const { return result_; }
    const std::string& ListedFolder() const { return listed_; }

    void cmdOK_Click();

    QLineEdit* const txtProtocolName = new QLineEdit(this);
    QListWidget* const lstProtocolName = new QListWidget(this);
    platform::FolderChooser* const Chooser;
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK"), this);
    QPushButton* const cmdCancel = new QPushButton(this);
    QFrame* linSplit[2] = {};

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Design();
    void Form_Load(const std::string& folder, const QWidget* placeOver);
    void Dir1_Change();
    void LayOut();

    int16_t kind_;
    std::string result_;
    std::string listed_;
    std::unique_ptr<frames::clsFrameConfig> configs_;
    std::unique_ptr<frames::clsLink> links_;
};

}  // namespace analyser::ui
