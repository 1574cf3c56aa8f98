// Old KY1 history files made for tests: the three tables with the column
// types the old program created, filled from KY1 row values.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "JetWriter.h"
#include "Ky1Source.h"

namespace store::test {

struct Ky1Content {
    Ky1Inf inf;
    std::array<Ky1Trg, 2> trg;
    int32_t mstCount = 0;
    std::function<Ky1Mst(int32_t)> mst;
};

std::vector<JetTable> Ky1Tables(const Ky1Content& c);

bool WriteKy1File(const std::string& path, JetVersion version, const Ky1Content& c,
                  const JetDamage& damage = {});

}  // namespace store::test
