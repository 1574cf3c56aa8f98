// A main window on the offscreen screen with every dialog answered by the
// test: messages recorded, the open and save dialogs answered from lists,
// modal windows handed to the test while they run.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChartTestFiles.h"
#include "CodeTable.h"
#include "ListFilter.h"
#include "TempFolder.h"
#include "frmMain.h"

namespace analyser::ui::test {

class WindowFixture : public ::testing::Test {
protected:
    TempFolder folder{"dissecto-window"};
    std::unique_ptr<frmMain> owned = std::make_unique<frmMain>(folder.path());
    frmMain& w = *owned;
    std::vector<std::string> messages;
    std::deque<std::string> opens;   // what the open dialog answers
    std::deque<std::string> saves;   // what the save dialog answers; "" cancels
    std::vector<std::string> saveTitles;
    // The question about unsaved comments: what it asked, and the answers
    // it gets in turn; a question nobody expected fails the test.
    std::vector<std::string> questions;
    std::deque<SaveAnswer> answers;
    // Runs while a modal window is open; without it the window just closes.
    std::function<void(QDialog&)> modal;
    std::string config = WriteConfig(folder / "test.kyf");

    void SetUp() override {
        store::CodeTableRead();
        w.MessageShow = [this](const std::string& text, int16_t) { messages.push_back(text); };
        w.OpenFileAsk = [this](const QString&, const QString&) { return Next(opens); };
        w.SaveFileAsk = [this](const QString& title, const QString&, const std::string&) {
            saveTitles.push_back(title.toStdString());
            return Next(saves);
        };
        w.SaveQuestion = [this](QWidget*, const std::string& text) {
            questions.push_back(text);
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << text;
                return SaveAnswer::Cancel;
            }
            const SaveAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        };
        w.ModalRun = [this](QDialog& dialog) {
            if (modal) modal(dialog);
        };
        w.PopupRun = [](QMenu*, const QPoint&) {};
        w.Form_Load();
        w.resize(900, 640);
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        QApplication::processEvents();
    }

    static std::string Next(std::deque<std::string>& answers) {
        if (answers.empty()) return {};
        std::string next = answers.front();
        answers.pop_front();
        return next;
    }

    void Open(const std::string& path) {
        ASSERT_TRUE(w.fFileOpenKYP(path)) << (messages.empty() ? "" : messages.back());
        w.activateWindow();  // the open disabled the window for a while
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        QApplication::processEvents();
    }
    std::string OpenFrames(const std::string& name, const std::vector<FrameSpec>& frames,
                           const std::string& link = "") {
        const std::string path = WriteFrames(folder / name, config, link, frames);
        Open(path);
        return path;
    }
    std::string LastMessage() const { return messages.empty() ? std::string() : messages.back(); }
};

// Puts a filter in place as the filter dialog does.
inline void FilterApply(frmMain& w, std::vector<int32_t> frames) {
    w.State().gFilter = std::make_unique<analyser::test::ListFilter>(std::move(frames));
    w.State().gRowCount = w.State().gFilter->FilterMax();
    w.fCurrentFrameChange(0);
}

}  // namespace analyser::ui::test
