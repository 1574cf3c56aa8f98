// The data search's scan against the plain comparison of the search rules
// (take the pattern's length of bytes at each position, put 0x3F where the
// pattern has "any byte", compare), on data made to defeat shortcuts:
// uniform and periodic bytes, near-misses at every position, wildcards.
#include "PatternScan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>

namespace viewer {
namespace {

std::optional<int32_t> PlainMatch(const std::string& text, const std::string& pattern,
                                  const std::string& kinds, int32_t start) {
    const auto length = static_cast<int64_t>(pattern.size());
    for (int64_t p = std::max(start, 1); p + length - 1 <= static_cast<int64_t>(text.size()); ++p) {
        std::string taken = text.substr(static_cast<size_t>(p - 1), pattern.size());
        for (size_t i = 0; i < taken.size(); ++i) {
            if (i < kinds.size() && kinds[i] == '1') taken[i] = 0x3F;
        }
        if (taken == pattern) return static_cast<int32_t>(p);
    }
    return std::nullopt;
}

// Chained from the first character: each scan begins after the last hit.
std::optional<int32_t> PlainLastChained(const std::string& text, const std::string& pattern,
                                        const std::string& kinds, int32_t bound) {
    std::optional<int32_t> hit;
    int32_t s = 1;
    while (true) {
        const auto g = PlainMatch(text, pattern, kinds, s);
        if (!g || *g > bound) return hit;
        hit = g;
        s = *g + static_cast<int32_t>(pattern.size());
    }
}

void ExpectAsPlain(const std::string& text, const std::string& pattern, const std::string& kinds) {
    const PatternScan scan(pattern, kinds);
    const auto n = static_cast<int32_t>(text.size());
    for (int32_t start : {-1, 0, 1, 2, n / 3, n / 2, n - 1, n, n + 1}) {
        ASSERT_EQ(scan.First(text, start), PlainMatch(text, pattern, kinds, start))
            << "start " << start << " pattern " << pattern << " kinds " << kinds;
    }
    for (int32_t bound : {0, 1, n / 4, n / 2, n - 1, n}) {
        ASSERT_EQ(scan.LastChained(text, bound), PlainLastChained(text, pattern, kinds, bound))
            << "bound " << bound << " pattern " << pattern << " kinds " << kinds;
    }
}

// A pattern read as the find window writes it: "?" where any byte goes.
void ExpectAsPlain(const std::string& text, const std::string& written) {
    std::string pattern = written, kinds(written.size(), '0');
    for (size_t i = 0; i < written.size(); ++i) {
        if (written[i] == '?') kinds[i] = '1';
    }
    ExpectAsPlain(text, pattern, kinds);
}

TEST(PatternScanAdversarial, UniformAndPeriodicDataFindWhatThePlainComparisonFinds) {
    const std::string a(5000, 'A');
    const std::string nineteen(19, 'A');
    for (const std::string& p : {nineteen + "B", "B" + nineteen, std::string(10, 'A') + "B" + std::string(9, 'A'),
                                 std::string(20, 'A'), std::string("A?A?A?A?A?A?A?A?A?AB"), std::string("?")}) {
        ExpectAsPlain(a, p);
        ExpectAsPlain(a + "B", p);
        ExpectAsPlain("B" + a, p);
    }
    std::string ab;
    for (int i = 0; i < 2500; ++i) ab += "AB";
    for (const std::string& p : {std::string("ABABABABABABABABABAC"), std::string("BABABABABABABABABABA"),
                                 std::string("ABABAB?BABABAB"), std::string("AA"), std::string("BA")}) {
        ExpectAsPlain(ab, p);
        ExpectAsPlain(ab + "AC", p);
    }
}

TEST(PatternScanAdversarial, RandomTextsAndPatternsOverSmallAlphabets) {
    std::mt19937 rng(12);
    for (int round = 0; round < 400; ++round) {
        const int alphabet = 1 + static_cast<int>(rng() % 3);
        std::string text(static_cast<size_t>(rng() % 3000), 'A');
        for (char& c : text) c = static_cast<char>('A' + rng() % static_cast<unsigned>(alphabet));
        std::string pattern(1 + rng() % 20, 'A');
        std::string kinds(pattern.size(), '0');
        for (size_t i = 0; i < pattern.size(); ++i) {
            pattern[i] = static_cast<char>('A' + rng() % static_cast<unsigned>(alphabet + 1));
            if (rng() % 6 == 0) {
                pattern[i] = 0x3F;
                kinds[i] = '1';
            }
        }
        // Plant a few hits so that chains have something to find.
        for (int k = 0; k < 3 && text.size() > pattern.size(); ++k) {
            const size_t at = rng() % (text.size() - pattern.size());
            for (size_t i = 0; i < pattern.size(); ++i) {
                if (kinds[i] == '0') text[at + i] = pattern[i];
            }
        }
        ExpectAsPlain(text, pattern, kinds);
    }
}

TEST(PatternScanAdversarial, LongUniformLinesWithHitsAroundTheChunkEdges) {
    // Uniform data is read in chunks of 64 KiB, each in four parts: hits
    // planted on and around those edges.
    std::string text(140000, 'A');
    for (size_t edge : {size_t{16384}, size_t{65536}, size_t{131072}}) {
        for (size_t at : {edge - 1, edge, edge + 7}) text[at] = 'B';
    }
    for (const std::string& p : {std::string(19, 'A') + "B", std::string("AB"), std::string("B"),
                                 std::string("A?AAB"), std::string(5, 'A') + "BA"}) {
        ExpectAsPlain(text, p);
    }
}

TEST(PatternScanAdversarial, PatternsLongerThanTheBitStateAndBytesAboveAscii) {
    std::string text(3000, '\xF0');
    const std::string head(70, '\xF0');
    text.replace(2000, 71, head + "\x0D");
    ExpectAsPlain(text, head + "\x0D", std::string(71, '0'));
    ExpectAsPlain(text, head + "\x0E", std::string(71, '0'));
    std::string wild(80, '\xF0');
    std::string kinds(80, '0');
    kinds[70] = '1';
    wild[70] = 0x3F;
    ExpectAsPlain(text, wild, kinds);
    ExpectAsPlain(std::string("\x00\xFF\x00\xFF", 4), std::string("\xFF\x00", 2), "00");
}

TEST(PatternScanAdversarial, FrequentCandidatesJustBeforeTheEndReadNoByteBeyondIt) {
    // A run of the anchor byte at the end of a line switches to the chunked
    // reading for the last few starts only. Each line lies in a buffer of
    // exactly its size, so that a read past its end is caught by the
    // address checks of the sanitizer build.
    for (size_t length = 1; length < 40; ++length) {
        for (size_t run = 1; run <= length; ++run) {
            const auto bytes = std::make_unique<char[]>(length);
            for (size_t i = 0; i < length; ++i) bytes[i] = i + run < length ? 'C' : 'A';
            const std::string_view line(bytes.get(), length);
            for (const char* p : {"AB", "A", "AAB", "AAAA"}) {
                const PatternScan scan(p, std::string(std::strlen(p), '0'));
                const std::string copy(line);
                const std::string kinds(std::strlen(p), '0');
                ASSERT_EQ(scan.First(line, 1), PlainMatch(copy, p, kinds, 1)) << length << " " << run << " " << p;
                ASSERT_EQ(scan.LastChained(line, static_cast<int32_t>(length)),
                          PlainLastChained(copy, p, kinds, static_cast<int32_t>(length)))
                    << length << " " << run << " " << p;
            }
        }
    }
}

}  // namespace
}  // namespace viewer
