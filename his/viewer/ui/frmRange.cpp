#include "frmRange.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

#include "DialogPlacer.h"
#include "GotoRange.h"
#include "VbDate.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/UiFont.h"
#include "platform/ui/WaitCursor.h"

namespace viewer::ui {

frmRange::frmRange(QWidget* owner, ViewerState& st, const store::clsCommon& doc)
    : QDialog(owner), st_(st), doc_(doc) {
    Design();
    DialogPlaceOn(this, owner, "frmRange");
    Form_Load();
}

void frmRange::Design() {
    setObjectName(QStringLiteral("frmRange"));
    setFont(platform::UiFont());
    setWindowTitle(QStringLiteral("範囲指定時刻"));
    Frame1->setTitle(QStringLiteral("範囲時刻設定"));
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(new QLabel(QStringLiteral("ヒストリ情報"), Frame1), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("範囲時刻"), Frame1), 0, 2, 1, 2);
    const QString captions[2] = {QStringLiteral("開始時刻"), QStringLiteral("終了時刻")};
    QLineEdit* spans[2] = {txtHstStart, txtHstStop};
    // The history's times are shown whole, whatever the font.
    const QStringList widest = platform::WithEveryDigit({QStringLiteral("0000/00/00 00:00:00")});
    for (int side = 0; side < 2; ++side) {
        spans[side]->setReadOnly(true);
        spans[side]->setMinimumWidth(platform::LineEditWidthFor(spans[side], widest));
        DTPickerDate[static_cast<size_t>(side)] = new QDateEdit(Frame1);
        DTPickerDate[static_cast<size_t>(side)]->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        DTPickerTime[static_cast<size_t>(side)] = new QTimeEdit(Frame1);
        DTPickerTime[static_cast<size_t>(side)]->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        grid->addWidget(new QLabel(captions[side], Frame1), side + 1, 0);
        grid->addWidget(spans[side], side + 1, 1);
        grid->addWidget(DTPickerDate[static_cast<size_t>(side)], side + 1, 2);
        grid->addWidget(DTPickerTime[static_cast<size_t>(side)], side + 1, 3);
    }
    cmdSet->setText(QStringLiteral("設定"));
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    connect(cmdSet, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdSet", [&] { cmdSet_Click(); }); });
    cmdCancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { platform::NoThrow("cmdCancel", [&] { cmdCancel_Click(); }); });
    auto* layout = new QGridLayout(this);
    layout->addWidget(Frame1, 0, 0, 1, 2);
    layout->addWidget(cmdSet, 1, 0);
    layout->addWidget(cmdCancel, 1, 1);
    adjustSize();
}

void frmRange::SideSet(int side, double date) {
    const platform::DateParts p = platform::SplitDate(date);
    DTPickerDate[static_cast<size_t>(side)]->setDate(QDate(p.year, p.month, p.day));
    DTPickerTime[static_cast<size_t>(side)]->setTime(QTime(p.hour, p.minute, p.second));
    (side == 0 ? txtHstStart : txtHstStop)->setText(QString::fromStdString(platform::FormatDateTime(date)));
}

double frmRange::SideValue(int side) const {
    const QDate d = DTPickerDate[static_cast<size_t>(side)]->date();
    const QTime t = DTPickerTime[static_cast<size_t>(side)]->time();
    return platform::MakeDate({d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()})
        .value_or(0);
}

void frmRange::Form_Load() {
    const auto [first, last] = RangeDefaults(doc_);
    SideSet(0, first);
    SideSet(1, last);
    st_.DialogCancelled = 0;
}

void frmRange::cmdSet_Click() {
    const double start = SideValue(0);
    const double end = SideValue(1);
    const double first = platform::ParseDateTime(txtHstStart->text().toStdString()).value_or(0);
    const double last = platform::ParseDateTime(txtHstStop->text().toStdString()).value_or(0);
    const RangeRefusal refusal = RangeCheck(first, last, start, end);
    if (refusal != RangeRefusal::None) {
        QApplication::beep();
        DTPickerDate[refusal == RangeRefusal::EndAfterHistory ? 1 : 0]->setFocus();
        return;
    }
    {
        const platform::WaitCursor hourglass;
        const auto [b, e] = RangeMarks(doc_, start, end);
        st_.MarkBegin = b;
        st_.MarkEnd = e;
    }
    accept();
}

void frmRange::cmdCancel_Click() { reject(); }

void frmRange::reject() {
    st_.DialogCancelled = -1;
    QDialog::reject();
}

}  // namespace viewer::ui
