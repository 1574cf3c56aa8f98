#include "FontColorDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace analyser::ui {

FontColorDialog::FontColorDialog(const FontChoice& start, QWidget* parent)
    : QDialog(parent), fonts_(new QFontDialog(this)), color_(new QPushButton(this)), chosen_(start.Color) {
    setObjectName(QStringLiteral("frmFontColor"));
    setWindowTitle(QStringLiteral("フォント"));
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setCurrentFont(start.Font);

    auto* colorRow = new QHBoxLayout;
    // The label's mnemonic takes the keys to the colour button.
    auto* colorLabel = new QLabel(QStringLiteral("色(&C):"), this);
    colorLabel->setObjectName(QStringLiteral("lblColor"));
    colorLabel->setBuddy(color_);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(color_);
    colorRow->addStretch();
    color_->setObjectName(QStringLiteral("cmdColor"));
    color_->setMinimumWidth(80);
    connect(color_, &QPushButton::clicked, this, &FontColorDialog::ColorPick);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    ColorShow();
}

FontChoice FontColorDialog::Choice() const { return {fonts_->currentFont(), chosen_}; }

void FontColorDialog::ColorPick() {
    const QColor picked = QColorDialog::getColor(chosen_, this);
    if (!picked.isValid()) return;
    chosen_ = picked;
    ColorShow();
}

void FontColorDialog::ColorShow() {
    QPixmap swatch(40, 14);
    swatch.fill(chosen_.isValid() ? chosen_ : palette().color(QPalette::Text));
    color_->setIcon(QIcon(swatch));
    color_->setIconSize(swatch.size());
}

std::optional<FontChoice> FontColorDialog::Ask(const FontChoice& start, QWidget* parent) {
    FontColorDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}

}  // namespace analyser::ui
