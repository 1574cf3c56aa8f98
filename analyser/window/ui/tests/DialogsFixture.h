// The main window with its dialogs, every system dialog, picker and
// message box replaced by the test's answers, on a folder of frame files
// written by the frame store's own writers.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "AnalyserDialogs.h"
#include "ChartTestFiles.h"
#include "TempFolder.h"
#include "frmMain.h"

namespace analyser::ui::test {

class DialogsTest : public ::testing::Test {
protected:
    TempFolder folder{"dissecto-dialogs"};
    std::unique_ptr<frmMain> owned = std::make_unique<frmMain>(folder.path());
    frmMain& w = *owned;
    std::unique_ptr<AnalyserDialogs> dialogs = std::make_unique<AnalyserDialogs>(w);
    std::vector<std::string> messages;
    std::deque<FilePick> picks;           // what the file picker answers
    std::vector<std::pair<int16_t, std::string>> pickAsks;  // kind and folder it was asked with
    std::deque<std::string> opens;        // what the open dialogs answer
    std::deque<std::string> saves;        // what the save dialogs answer
    std::string config = WriteConfig(folder / "test.kyf");
    std::string link = WriteLink(folder / "names.kyl", "名前表",
                                 {{5, "問合せ", 1, 0x0000FF}, {6, "応答", 2, 0x008000}});

    void SetUp() override {
        w.MessageShow = [this](const std::string& text, int16_t) { messages.push_back(text); };
        w.OpenFileAsk = [this](const QString&, const QString&) { return Next(opens); };
        w.PopupRun = [](QMenu*, const QPoint&) {};
        dialogs->FilePicker = [this](int16_t kind, const std::string& start) {
            pickAsks.emplace_back(kind, start);
            if (picks.empty()) return FilePick{};
            FilePick next = picks.front();
            picks.pop_front();
            return next;
        };
        dialogs->OpenFileAsk = [this](const QString&, const QString&, const std::string&) { return Next(opens); };
        dialogs->SaveFileAsk = [this](const QString&, const QString&, const std::string&) { return Next(saves); };
        w.Form_Load();
        w.resize(900, 640);
        w.show();
        QApplication::processEvents();
    }
    void TearDown() override {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &w && top->isVisible()) top->close();
        }
        QApplication::processEvents();
    }

    static std::string Next(std::deque<std::string>& answers) {
        if (answers.empty()) return {};
        std::string next = answers.front();
        answers.pop_front();
        return next;
    }
    std::string Frames(const std::string& name, int count, const std::string& withLink = "") {
        return WriteFrames(folder / name, config, withLink, Numbered(count));
    }
    void Open(const std::string& path) {
        ASSERT_TRUE(w.fFileOpenKYP(path)) << (messages.empty() ? "" : messages.back());
        QApplication::processEvents();
    }
    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back(); }
};

}  // namespace analyser::ui::test
