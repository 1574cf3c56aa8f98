#include "frmFilterRelation.h"

#include <utility>

#include "AnalyserFonts.h"
#include "TwoListPicker.h"
#include "clsLink.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"

namespace analyser::ui {

namespace {

constexpr int kClientWidth = 7875;  // twips
constexpr int kClientHeight = 2655;

void Place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(platform::TwipsToPixels(QRect(left, top, width, height), widget));
}

}  // namespace

frmFilterRelation::frmFilterRelation(const std::string& linkFile, std::function<void(const QStringList&)> chosen,
                                     std::function<void()> closed)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Lists(new widgets::TwoListPicker(false, this)),
      chosen_(std::move(chosen)),
      closed_(std::move(closed)) {
    setObjectName(QStringLiteral("frmFilterRelation"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DialogFont());
    setWindowTitle(QStringLiteral("フィルタ対象項目の選択"));
    Lists->SetLabels(QStringLiteral("関連項目一覧"), QStringLiteral("フィルタ対象項目一覧"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    Lists->move(0, 0);
    Place(cmdOK, 6600, 120, 1215, 375);
    Place(cmdCancel, 6600, 600, 1215, 375);
    connect(cmdOK, &QPushButton::clicked, this,
            [this] { platform::NoThrow("frmFilterRelation", [&] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] {
        if (closed_) std::exchange(closed_, nullptr)();
    });

    frames::clsLink link;
    QStringList names;
    if (link.LinkRead(linkFile)) {
        link.Mode(1);
        for (int32_t row = 0; row < link.LinkMax(); ++row) {
            link.ListIndex(row);
            names << QString::fromStdString(link.ItemName());
        }
    }
    Lists->SetEntries(widgets::TwoLists::Side::Left, names);
    setFixedSize(platform::TwipsToPixels(kClientWidth, this), platform::TwipsToPixels(kClientHeight, this));
}

frmFilterRelation::~frmFilterRelation() {
    if (closed_) std::exchange(closed_, nullptr)();
}

void frmFilterRelation::cmdOK_Click() {
    if (chosen_) chosen_(Lists->Entries(widgets::TwoLists::Side::Right));
    accept();
}

}  // namespace analyser::ui
