// The code picker: one pattern cell's value chosen from a list of rows,
// in practice all 256 byte values, "**" (any byte) and "--" (no byte),
// each shown as its HEX text and its text in one display code. The chosen
// row's number is the answer; Cancel answers -1, and closing the window
// any other way leaves the value it was opened with. The caller places
// the window (beside the pointer) before it shows it.
#ifndef PLATFORM_UI_FRM_CODE_H
#define PLATFORM_UI_FRM_CODE_H

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class frmCode : public QDialog {
    Q_OBJECT

public:
    // modeName names the second column; headings head the two columns (no
    // heading row when empty). The list opens on selectedRow.
    frmCode(QWidget* owner, const std::string& modeName,
            const std::vector<std::array<std::string, 2>>& rows, int selectedRow, int16_t picked,
            const QStringList& headings = {});

    int16_t PickedCode() const { return picked_; }
    // Set, a double click or Enter in the list: the selected row.
    void Choose();
    void cmdCancel_Click();

    QTreeWidget* const ListView1 = new QTreeWidget(this);
    QLabel* const lblHex = new QLabel(this);
    QLabel* const lblMode = new QLabel(this);
    QPushButton* const cmdSetting = new QPushButton(this);
    QPushButton* const cmdCancel = new QPushButton(this);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Design(const QStringList& headings);

    int16_t picked_;
};

}  // namespace platform

#endif
