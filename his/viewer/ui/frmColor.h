// The display-colour window: four of the eight colours picked through the
// colour chooser on a working copy, previewed on a small sample grid. OK
// hands the copy back; ｷｬﾝｾﾙ drops it.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <functional>

#include "Colors.h"

namespace viewer::ui {

class frmColor : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 5400;
    static constexpr int kHeightTwips = 3000;

    frmColor(QWidget* owner, const ColorRecord& current);

    const ColorRecord& Working() const { return working_; }

    // The combo index a click on a preview cell selects; -1 for none.
    // row is the row after a click on the spacer row moved it up.
    static int ComboIndexForCell(int row, int col);
    // The working copy's field a combo index edits.
    static Colour& FieldOf(ColorRecord& rec, int comboIndex);

    // The colour chooser: gets the start colour, answers the chosen one or
    // an invalid colour when cancelled. Tests replace it.
    std::function<QColor(const QColor& start)> ChooseColor;

    QGroupBox* const Frame1 = new QGroupBox(this);
    QComboBox* const cmbColor = new QComboBox(Frame1);
    QPushButton* const cmdChng = new QPushButton(Frame1);
    QLabel* const Label1 = new QLabel(this);
    QTableWidget* const VSFlexGrid1 = new QTableWidget(this);
    QPushButton* const cmdOk = new QPushButton(this);
    QPushButton* const cmdClose = new QPushButton(this);

    void cmdChng_Click();

private:
    void Design();
    void DesignPreview();
    void Form_Load(QWidget* owner);
    void PreviewPaint();
    void VSFlexGrid1_Click(int row, int col);

    ColorRecord working_;
};

}  // namespace viewer::ui
