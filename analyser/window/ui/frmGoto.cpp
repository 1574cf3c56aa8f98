#include "frmGoto.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "GotoRow.h"
#include "MarkPictures.h"
#include "frmMain.h"
#include "platform/ui/ButtonRow.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/SelectAllOnFocus.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

frmGoto::frmGoto(frmMain& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("frmGoto"));
    setWindowTitle(QStringLiteral("フレーム番号指定"));
    setWindowIcon(WindowIconMake());
    setModal(true);
    txtLine->setObjectName(QStringLiteral("txtLine"));
    txtLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtLine->installEventFilter(this);
    platform::SelectAllOnFocus::Install(txtLine);
    UpDownLine->setObjectName(QStringLiteral("UpDownLine"));
    connect(UpDownLine, &platform::UpDown::Stepped, this, [this](bool up) { Step(up); });
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    cmdGo->setText(QStringLiteral("実行"));
    cmdGo->setDefault(true);
    connect(cmdGo, &QPushButton::clicked, this, [this] { platform::NoThrow("cmdGo", [&] { cmdGo_Click(); }); });
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setText(QStringLiteral("キャンセル"));
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* number = new QHBoxLayout;
    number->addWidget(txtLine, 1);
    number->addWidget(UpDownLine);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(number);
    layout->addLayout(platform::ButtonRow({cmdGo, cmdCancel}));
}

void frmGoto::ffrmGoToInit(int32_t vNow, int32_t vMax) {
    max_ = std::max(vMax, 1);
    value_ = std::clamp(vNow + 1, 1, max_);
    txtLine->setText(QString::number(int64_t{vNow} + 1));
    adjustSize();
    const QPoint corner = main_.CentreTwips();
    platform::PlaceWindowInside(this, corner.x(), corner.y());
    txtLine->setFocus();
    txtLine->selectAll();
    if (main_.ModalRun) main_.ModalRun(*this);
}

// The up-down steps from the number in the box, as its buddy.
void frmGoto::Step(bool up) {
    const int32_t from = GotoRow(txtLine->text().toStdString(), value_, max_) + 1;
    value_ = std::clamp(from + (up ? 1 : -1), 1, max_);
    txtLine->setText(QString::number(value_));
}

void frmGoto::cmdGo_Click() {
    const int32_t row = GotoRow(txtLine->text().toStdString(), value_, max_);
    accept();
    main_.fCurrentFrameChange(row);
}

// Digits go in, Enter jumps; every other typed character, Backspace too,
// is dropped. Keys that type nothing (arrows, Delete) edit as usual.
bool frmGoto::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtLine || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        platform::NoThrow("txtLine", [&] { cmdGo_Click(); });
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false;
    const char16_t c = text.front().unicode();
    return !(c >= u'0' && c <= u'9');
}

}  // namespace analyser::ui
