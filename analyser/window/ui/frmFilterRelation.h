// The link-name picker of the filter dialog: the names of every row of the
// link table in use on the left, the names to accept on the right. OK
// hands the right list to the filter dialog.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QStringList>

#include <functional>
#include <string>

namespace analyser::widgets {
class TwoListPicker;
}

namespace analyser::ui {

class frmFilterRelation : public QDialog {
    Q_OBJECT

public:
    // Lists the names of linkFile's rows; a table that cannot be read
    // lists nothing. chosen receives the right list on OK; closed runs
    // whenever the picker closes.
    frmFilterRelation(const std::string& linkFile, std::function<void(const QStringList&)> chosen,
                      std::function<void()> closed);
    ~frmFilterRelation() override;

    void cmdOK_Click();

    widgets::TwoListPicker* const Lists;
    QPushButton* const cmdOK = new QPushButton(QStringLiteral("OK(&O)"), this);
    QPushButton* const cmdCancel = new QPushButton(QStringLiteral("キャンセル(&C)"), this);

private:
    std::function<void(const QStringList&)> chosen_;
    std::function<void()> closed_;
};

}  // namespace analyser::ui
