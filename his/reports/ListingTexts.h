// The small texts the printed listing and the standard HTML share: the
// words of the recording conditions, trigger characters, character times,
// display characters, and character-wise cutting of UTF-8 lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "clsCommon.h"

namespace reports {

// --- UTF-8 text by characters ------------------------------------------------
size_t CharCount(std::string_view text);
// The first n characters.
std::string CharLeft(std::string_view text, size_t n);
// The last n characters.
std::string CharRight(std::string_view text, size_t n);
// Writes text over line from 1-based column col on, character for
// character; line never grows, so what passes its end is dropped.
void Overwrite(std::string& line, size_t col, std::string_view text);
// A line of n blanks.
std::string Blanks(size_t n);

// --- values of the recording conditions --------------------------------------
// "yyyy-mm-dd hh:nn:ss"
std::string ListingDate(double date);
// "[START 2000-01-26 18:18:04]  [STOP  2000-01-26 18:18:29]"; a stop of 0
// shows as "          -        ".
std::string StartStopText(const store::clsCommon& doc);
// "NON ", "ODD ", "EVEN"; "" for any other value.
std::string ParityWord(int16_t parity);
// "RING(RESTART)", "RING(STOP)", "FIX"; "" for any other value.
std::string MemoryModeWord(int16_t mode);
// "DUAL", "SD", "RD"; "" for any other value.
std::string LineWord(int16_t line);
// "HEX", "ASCII", "JIS7", "JIS7", "JIS8", "EBCDIC", "STRING" for codes 0 to
// 6; "" for any other code.
std::string CodeName(int16_t code);
// "TRIG STOP-OFF", "TRIG STOP-ON" (no trigger in the history) or
// "TRIG STOP-DETECT"; the same words with START for the start trigger.
std::string TrigStopState(const store::clsCommon& doc);
std::string TrigStartState(const store::clsCommon& doc);
// The last six characters of six blanks and the rate.
std::string BaudText(int32_t rate);

// The stop trigger's characters: up to five hex pairs, each after "/" when
// its attribute digit is "5" or above, else after a blank.
std::string StopChars(std::string_view chars, std::string_view attributes);
// The start trigger's characters: up to twelve pairs, each after a blank.
std::string StartChars(std::string_view chars);

// --- one record ----------------------------------------------------------------
// " T" and four characters of the character time; "    " without one.
std::string PrnTimeSet(int16_t index, int16_t value);
// The code-table text of a byte in display code dspCode (0 to 5); a
// shifted-out character of a JIS7 capture takes the JIS7 kana form.
std::string MoniCodeCheck(int16_t byte, int16_t jis7, int16_t dspCode, int16_t captureMode);
// Codes 6 and 7 render whole lines of bytes rather than one text a byte.
bool IsLineCode(int16_t dspCode);

}  // namespace reports
