// The three tabs of a recording-conditions window ("情報", "トリガストップ",
// "トリガスタート"): a caption and a value label for every condition, the
// values filled from PropTexts. The viewer's properties window and the
// analyser's history window are built around it.
#pragma once

#include <QLabel>
#include <QTabWidget>

#include <array>
#include <initializer_list>
#include <map>
#include <string>

#include "PropTexts.h"

namespace store::ui {

class PropPages : public QTabWidget {
    Q_OBJECT

public:
    explicit PropPages(QWidget* parent);

    // Sets every value label and greys those whose switch is off.
    void Fill(const PropView& v);
    // A value label by its name ("lblBaud", "lblTrig1SdChar", ...).
    QLabel* Value(const std::string& name) const;
    // The captions lblCode(0) to (3), named after the recording's code.
    QLabel* lblCode(int i) const { return codeCaptions_.at(static_cast<size_t>(i)); }

private:
    struct Row {
        const char* caption;  // nullptr: the next lblCode caption
        const char* name;     // nullptr: a heading over the rows below ("ＳＤ")
    };
    QWidget* Tab(std::initializer_list<Row> rows);
    void Set(const char* name, const std::string& text, bool enabled = true);

    std::map<std::string, QLabel*> values_;
    std::array<QLabel*, 4> codeCaptions_{};
    size_t codeCount_ = 0;
};

}  // namespace store::ui
