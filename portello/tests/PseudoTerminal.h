// The far end of a pseudo-terminal, standing in for the unit's cable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ok() const { return master_ >= 0; }
    const std::string& slavePath() const { return slavePath_; }

    void write(const std::vector<uint8_t>& bytes);
    void write(const std::string& text);
    // Reads until want bytes came or timeoutMs passed.
    std::vector<uint8_t> read(size_t want, int timeoutMs = 2000);
    // Closes the far end, as when the cable is pulled.
    void hangUp();

private:
    int master_ = -1;
    std::string slavePath_;
};
