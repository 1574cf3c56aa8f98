#include "CommandLine.h"

#include <charconv>
#include <functional>
#include <map>
#include <string_view>

#include "UnitModel.h"

namespace unitsim {

namespace {

bool WholeNumber(std::string_view text, int* out) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, *out);
    return !text.empty() && ec == std::errc() && ptr == end;
}

struct Parser {
    const std::vector<std::string>& args;
    std::size_t at = 0;
    std::string* error;
    CommandLine result {};

    bool Fail(const std::string& text) {
        if (error != nullptr) *error = text;
        return false;
    }

    bool Value(const std::string& option, std::string* out) {
        if (at + 1 >= args.size()) return Fail(option + " needs a value");
        *out = args[++at];
        return true;
    }

    bool Number(const std::string& option, int* out) {
        std::string text;
        if (!Value(option, &text)) return false;
        const char* end = text.data() + text.size();
        const auto [ptr, ec] = std::from_chars(text.data(), end, *out);
        if (ec != std::errc() || ptr != end) return Fail(option + ": not a number: " + text);
        return true;
    }

    bool Model() {
        if (!Number("--model", &result.options.model)) return false;
        const int model = result.options.model;
        return model == 1 || model == 2 || Fail("--model must be 1 or 2");
    }

    // "B" falsifies every read-back of B, "B:2" only the first two.
    bool WrongReadBack() {
        std::string text;
        if (!Value("--wrong-read-back", &text)) return false;
        if (text.empty() || !UnitModel::IsParameterLetter(text[0])) {
            return Fail("--wrong-read-back needs a parameter letter: " + text);
        }
        result.options.wrongReadBack = text[0];
        if (text.size() == 1) return true;
        const char* end = text.data() + text.size();
        int times = 0;
        const auto [ptr, ec] = std::from_chars(text.data() + 2, end, times);
        if (text[1] != ':' || ec != std::errc() || ptr != end || times < 0) {
            return Fail("--wrong-read-back: expected LETTER or LETTER:COUNT: " + text);
        }
        result.options.wrongReadBackTimes = times;
        return true;
    }

    // "500" streams 500 units a second, "500:20" in records of 20 units.
    bool Stream() {
        std::string text;
        if (!Value("--stream", &text)) return false;
        const std::size_t colon = text.find(':');
        int perSecond = 0;
        int perRecord = 0;
        const bool rateGood = WholeNumber(text.substr(0, colon), &perSecond) && perSecond >= 1;
        const bool recordGood = colon == std::string::npos ||
                                (WholeNumber(text.substr(colon + 1), &perRecord) && perRecord >= 1);
        if (!rateGood || !recordGood) {
            return Fail("--stream: expected UNITS_PER_SECOND or UNITS_PER_SECOND:UNITS_PER_RECORD: " +
                        text);
        }
        result.streamUnitsPerSecond = perSecond;
        result.streamUnitsPerRecord = perRecord;
        return true;
    }

    // Six byte values, e.g. "0,0,1,0,0,0": DSR on, CTS off.
    bool LanStatus() {
        std::string text;
        if (!Value("--lan-status", &text)) return false;
        const auto status = ParseLineStatus(text);
        if (!status) return Fail("--lan-status: expected six byte values such as 0,0,1,1,0,0: " + text);
        result.options.lanStatus = *status;
        return true;
    }

    bool DownloadResult() {
        int& digit = result.options.maintenance.downloadResult;
        if (!Number("--download-result", &digit)) return false;
        return (digit >= 0 && digit <= 9) || Fail("--download-result must be a digit");
    }

    bool LanPort() {
        if (!Number("--lan", &result.options.lanPort)) return false;
        const int port = result.options.lanPort;
        return (port >= 0 && port <= 65535) || Fail("--lan: port must be 0 to 65535");
    }

    bool Option(const std::string& option) {
        UnitOptions& o = result.options;
        const std::map<std::string, std::function<bool()>> handlers {
            {"--model", [&] { return Model(); }},
            {"--remote", [&] { return o.remote = true; }},
            {"--clock-offset", [&] { return Number(option, &o.clockOffsetSeconds); }},
            {"--loading-error-after", [&] { return Number(option, &o.loadingErrorAfterLine); }},
            {"--wrong-read-back", [&] { return WrongReadBack(); }},
            {"--reply-delay", [&] { return Number(option, &o.replyDelayMs); }},
            {"--hang-up-after", [&] { return Number(option, &o.hangUpAfterLines); }},
            {"--banner-without-crlf", [&] { return o.bannerWithoutCrLf = true; }},
            {"--stream", [&] { return Stream(); }},
            {"--link", [&] { return Value(option, &result.linkPath); }},
            {"--lan", [&] { return LanPort(); }},
            {"--download-result", [&] { return DownloadResult(); }},
            {"--short-memory-reply", [&] { return Number(option, &o.maintenance.memoryReplyBytes); }},
            {"--lan-status", [&] { return LanStatus(); }},
            {"--lan-noise", [&] { return o.lanNoise = true; }},
            {"--ignore-stdin", [&] { return result.ignoreStdin = true; }},
            {"--help", [&] { return result.help = true; }},
        };
        const auto handler = handlers.find(option);
        if (handler == handlers.end()) return Fail("unknown option: " + option);
        return handler->second();
    }
};

}  // namespace

std::optional<lan::LineStatus> ParseLineStatus(const std::string& text) {
    lan::LineStatus status {};
    std::size_t at = 0;
    for (std::size_t i = 0; i < status.size(); ++i) {
        const std::size_t comma = text.find(',', at);
        const bool last = i + 1 == status.size();
        if (last != (comma == std::string::npos)) return std::nullopt;
        int value = 0;
        const std::string_view field = std::string_view(text).substr(at, comma - at);
        if (!WholeNumber(field, &value) || value < 0 || value > 255) return std::nullopt;
        status[i] = static_cast<uint8_t>(value);
        at = comma + 1;
    }
    return status;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string* error) {
    Parser parser {args, 0, error};
    for (; parser.at < args.size(); ++parser.at) {
        if (!parser.Option(args[parser.at])) return std::nullopt;
    }
    if (parser.result.options.lanPort >= 0 && !parser.result.linkPath.empty()) {
        parser.Fail("--link names a terminal; a LAN unit has none");
        return std::nullopt;
    }
    return parser.result;
}

std::string UsageText() {
    return "usage: unitsim [--model 1|2] [options]\n"
           "Simulates a KY-N4 (model 1) or KY-N5 (model 2) unit on a pseudo-terminal\n"
           "and prints the terminal's path on the first line of stdout; with --lan, on\n"
           "a loopback TCP port in the LAN packet format, and prints 127.0.0.1:PORT.\n"
           "\n"
           "  --model N                1 or 2 (default 1)\n"
           "  --remote                 start in remote mode\n"
           "  --clock-offset S         the unit's clock runs S seconds from the time set\n"
           "  --loading-error-after N  reject the firmware after N lines\n"
           "  --wrong-read-back L[:N]  answer the read-back of letter L wrongly (N times)\n"
           "  --reply-delay MS         delay every answer by MS milliseconds\n"
           "  --hang-up-after N        hang up when the Nth line arrives\n"
           "  --banner-without-crlf    model 1: send the banner without CR LF\n"
           "  --download-result D      answer every S-record download with result D\n"
           "                           (0 written, 1 failed, 3 checksum error; default:\n"
           "                           3 when a line's checksum is wrong, else 0)\n"
           "  --short-memory-reply N   memory reads send only N of the bytes they announce\n"
           "  --stream N[:R]           stream N units a second (R to a record) once the PC\n"
           "                           sends the start command\n"
           "  --link PATH              make PATH a symlink to the terminal\n"
           "  --ignore-stdin           run until SIGINT or SIGTERM only\n"
           "  --lan PORT               serve the LAN packet format on 127.0.0.1:PORT\n"
           "                           (0: any free port) instead of a terminal\n"
           "  --lan-status B,B,B,B,B,B line status a PC gets on connecting (byte 2 DSR,\n"
           "                           byte 3 CTS; default 0,0,1,1,0,0)\n"
           "  --lan-noise              put noise before every data packet\n"
           "\n"
           "Runs until SIGINT, SIGTERM or the end of stdin. Commands on stdin, one a line:\n"
           "  power-failure   send the power-failure line\n"
           "  remote-stop     leave remote mode and say so\n"
           "  send TEXT       send TEXT and CR LF\n"
           "  start-stream    start monitoring now and stream (at the --stream rate)\n"
           "  end             end monitoring: send the end record now\n"
           "  hang-up         close the unit's end of the line\n"
           "  line-status B,B,B,B,B,B  LAN: report these modem lines\n"
           "  quit            end the program\n";
}

}  // namespace unitsim
