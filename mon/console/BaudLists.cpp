#include "BaudLists.h"

#include "platform/text/VbFormat.h"

namespace mon {

namespace {

constexpr float kFractionRate = 134.5f;

std::vector<float> Model1Rates() {
    return {50,    75,    100,   110,   134.5f, 150,   200,   300,    600,    1200,  1800,
            2000,  2400,  3200,  3600,  4800,   7200,  8000,  9600,   10400,  12000, 12800,
            14400, 16000, 16800, 19200, 24000,  26400, 28800, 32000,  33600,  38400, 48000,
            56000, 57600, 64000, 72000, 76800,  115200, 153600, 230400};
}

std::vector<float> Model2Rates() {
    std::vector<float> rates = Model1Rates();
    rates.push_back(460800);
    rates.push_back(687500);
    return rates;
}

}  // namespace

const std::vector<float>& ReferenceRates(int16_t model) {
    static const std::vector<float> model1 = Model1Rates();
    static const std::vector<float> model2 = Model2Rates();
    return model == 2 ? model2 : model1;
}

std::string BaudListEntry(float baud) {
    if (baud == kFractionRate) return "    " + platform::FormatNumber(baud, "0.#");
    const std::string text = "     " + platform::FormatNumber(baud, "0");
    return text.size() > 7 ? text.substr(text.size() - 7) : text;
}

int FirstNotBelow(const std::vector<float>& rates, float baud) {
    for (size_t i = 0; i < rates.size(); ++i) {
        if (rates[i] >= baud) return static_cast<int>(i);
    }
    return -1;
}

int BaudGroupOf(const BaudTable& table, float typed) {
    const int row = table.RowFind(typed);
    return row < 0 ? -1 : table.Row(row).group;
}

BaudGroupList BaudListFill(const BaudTable& table, int group, float reference) {
    BaudGroupList list;
    int count = 0;
    for (int row = 0; row < table.Count(); ++row) {
        const BaudRow r = table.Row(row);
        if (r.group != group) continue;
        list.rates.push_back(r.baud);
        if (r.baud <= reference) ++count;
    }
    list.chosen = count > 0 ? count - 1 : 0;
    return list;
}

}  // namespace mon
