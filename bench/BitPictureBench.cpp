// How fast the frame configuration editor redraws its bit picture for a
// configuration of 100 items of 999 bytes (799,200 bit positions): the
// picture built from the item rows, one page of its rows merged, and the
// whole redraw of the view on screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "BitPicture.h"
#include "BitPictureView.h"

namespace {

using analyser::editors::BitPicture;
using analyser::editors::ItemTable;

ItemTable LargeConfiguration() {
    ItemTable items;
    for (int n = 1; n <= 100; ++n) {
        items.Append({"項目" + std::to_string(n), analyser::editors::kTypeData, "999",
                      analyser::editors::kUnitByte, "", ""});
    }
    return items;
}

void BM_BitPictureBuild(benchmark::State& state) {
    const ItemTable items = LargeConfiguration();
    const int width = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BitPicture picture(items, width);
        // The rows a page shows, from the middle of the frame.
        const int64_t middle = picture.Rows() / 2;
        for (int64_t row = middle; row < middle + 40; ++row) benchmark::DoNotOptimize(picture.RowSegments(row));
    }
    state.SetLabel("goal <= 1 ms");
}
BENCHMARK(BM_BitPictureBuild)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);

void BM_BitPictureRedraw(benchmark::State& state) {
    const ItemTable items = LargeConfiguration();
    analyser::editors::ui::BitPictureView view;
    view.resize(900, 400);
    QImage image(view.size(), QImage::Format_ARGB32);
    for (auto _ : state) {
        view.SetPicture(BitPicture(items, 8));
        QPainter painter(&image);
        view.render(&painter);
    }
    state.SetLabel("goal <= 16 ms");
}
BENCHMARK(BM_BitPictureRedraw)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
