// The live grid as monitoring draws it on the main window: once a tick for
// all the records of the tick, with the same picture as drawing after
// every record gives; the detail header row through Start, Stop and Kill;
// a time stamp that fits its column; right-aligned cells in data mode.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QStyle>

#include <string>
#include <vector>

#include "CapturoFixture.h"
#include "Records.h"

namespace mon {
namespace {

struct Cell {
    QString text;
    QColor color;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The grid's texts and colours, row by row, and the three counters.
struct Picture {
    std::vector<std::vector<Cell>> cells;
    QString sd, rd, tr;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// Units of every kind: SD and RD, flags, character times, and records
// that start with a character time; more of them than the grid has rows.
std::vector<std::string> Records(int count) {
    std::vector<std::string> records;
    for (int r = 0; r < count; ++r) {
        std::string body;
        if (r % 5 == 4) body += "\x41\x10";  // a time word for the unit before
        for (int u = 0; u <= r % 4; ++u) {
            const int n = r * 4 + u;
            body.push_back(static_cast<char>(0x80 | (n % 3 == 0 ? 0x02 : 0) | (n % 11 == 0 ? 0x10 : 0)));
            body.push_back(static_cast<char>('A' + n % 26));
            if (n % 4 == 3) body += "\x45\x2C";
        }
        body.push_back('\0');
        records.push_back(test::Record(static_cast<uint8_t>(r / 7), body));
    }
    return records;
}

class LiveGrid : public test::CapturoFixture {
protected:
    void SetUp() override {
        Start();
        PcDialogCancel();
        engine().Pc.DataDir = data_.path();
        engine().CommittedSettings.CharTime = -1;
    }
    QTableWidget& grid() { return *main().VSFlexGrid; }
    void Tick() { app_.Driver().Tick(); }
    void Press(const char* key) { main().Toolbar1_ButtonClick(key); }
    void CaptureStart() {
        Press("Start");
        api_.Queue(test::Record(0x80, "261209100000000001" "0"));
        Tick();
    }
    // Ends monitoring the way the unit does after a Stop.
    void CaptureStop() {
        Press("Stop");
        api_.Queue(test::Record(0xFF, "261209100500"));
        Tick();
        ASSERT_EQ(engine().EngineState, kStateIdle);
    }
    Picture Shown() {
        Picture p;
        for (int r = 0; r < grid().rowCount(); ++r) {
            auto& row = p.cells.emplace_back();
            for (int c = 0; c < grid().columnCount(); ++c) {
                const QTableWidgetItem* item = grid().item(r, c);
                row.push_back(item ? Cell{item->text(), item->foreground().color()} : Cell{});
            }
        }
        p.sd = main().Panels.Text("SdCount");
        p.rd = main().Panels.Text("RdCount");
        p.tr = main().Panels.Text("DualCount");
        return p;
    }
    // The picture after the records, drawn after each one or once for all.
    Picture Captured(const std::vector<std::string>& records, bool tickPerRecord) {
        CaptureStart();
        for (const std::string& r : records) {
            api_.Queue(r);
            if (tickPerRecord) Tick();
        }
        if (!tickPerRecord) {
            EXPECT_EQ(app_.Driver().Tick(), static_cast<int>(records.size()) + 1) << "one tick";
        }
        return Shown();
    }
    QStringList Header() {
        QStringList texts;
        for (int c = 0; c < grid().columnCount(); ++c) texts << (grid().item(0, c) ? grid().item(0, c)->text() : "-");
        return texts;
    }

    TempFolder data_;
    const QStringList headers_ = {"TR", "SD", "RD", "DATA", "DATE", "CH", "S", "T", "P", "O", "F", "TIME", ""};
};

TEST_F(LiveGrid, ATickOfManyRecordsDrawsWhatDrawingEveryRecordDraws) {
    const std::vector<std::string> records = Records(3 * grid().rowCount());
    const Picture perRecord = Captured(records, true);
    CaptureStop();
    const Picture perTick = Captured(records, false);
    EXPECT_EQ(perTick, perRecord);
    // Not two empty pictures: the newest unit is in the last row.
    const int last = grid().rowCount() - 1;
    int units = 0;
    for (int r = 0; r < static_cast<int>(records.size()); ++r) units += r % 4 + 1;
    EXPECT_EQ(perTick.cells[static_cast<size_t>(last)][0].text.trimmed(), QString::number(units));
    EXPECT_EQ(perTick.tr, QString("TR:%1").arg(units, 6, 10, QChar('0')));
    const auto second = static_cast<int>(records.size() - 1) / 7;
    EXPECT_EQ(perTick.cells[static_cast<size_t>(last)][4].text,
              QString("2026/12/09 10:00:%1").arg(second, 2, 10, QChar('0')));
    CaptureStop();

    // Data mode, where a tick's records may wrap the table several times.
    main().mnuSetDspData->trigger();
    const std::vector<std::string> many = Records(grid().rowCount() * grid().columnCount());
    const Picture dataPerRecord = Captured(many, true);
    CaptureStop();
    EXPECT_EQ(Captured(many, false), dataPerRecord);
    EXPECT_FALSE(dataPerRecord.cells[0][0].text.isEmpty());
}

TEST_F(LiveGrid, TheDetailHeaderStaysThroughStartStopAndKill) {
    EXPECT_EQ(Header(), headers_);
    CaptureStart();
    EXPECT_EQ(Header(), headers_) << "after Start";
    api_.Queue(test::SdRecord(1, 3));
    Tick();
    EXPECT_EQ(grid().item(3, 0)->text(), "     3");
    CaptureStop();
    EXPECT_EQ(Header(), headers_) << "after Stop";
    EXPECT_EQ(grid().item(3, 0)->text(), "     3") << "the last picture stays";
    CaptureStart();
    EXPECT_EQ(grid().item(1, 0)->text(), "") << "a new capture starts on an empty grid";
    Press("Kill");
    EXPECT_EQ(Header(), headers_) << "after Kill";
}

TEST_F(LiveGrid, TheTimeStampFitsItsColumnAndDataCellsAreRightAligned) {
    CaptureStart();
    api_.Queue(test::SdRecord(1, 2));
    Tick();
    const QTableWidgetItem* date = grid().item(1, 4);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->text(), "2026/12/09 10:00:01");
    const int margin = grid().style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid()) + 1;
    EXPECT_LE(grid().fontMetrics().horizontalAdvance(date->text()) + 2 * margin, grid().columnWidth(4));
    int width = 0;
    for (int c = 0; c < grid().columnCount(); ++c) width += grid().columnWidth(c);
    EXPECT_LE(width, grid().width() + 1) << "the wider date takes its room from the last column";
    CaptureStop();

    main().mnuSetDspData->trigger();
    CaptureStart();
    api_.Queue(test::SdRecord(1, 2));
    Tick();
    for (const QTableWidgetItem* cell : {grid().item(0, 0), grid().item(0, 1), grid().item(1, 1)}) {
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    }
    EXPECT_EQ(grid().item(0, 1)->text(), "ｂ");
}

}  // namespace
}  // namespace mon
