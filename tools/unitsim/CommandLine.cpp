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
            {"--ignore-stdin", [&] { return result.ignoreStdin = true; }},
            {"--help", [&] { return result.help = true; }},
        };
        const auto handler = handlers.find(option);
        if (handler == handlers.end()) return Fail("unknown option: " + option);
        return handler->second();
    }
};

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string* error) {
    Parser parser {args, 0, error};
    for (; parser.at < args.size(); ++parser.at) {
        if (!parser.Option(args[parser.at])) return std::nullopt;
    }
    return parser.result;
}

std::string UsageText() {
    return "usage: unitsim [--model 1|2] [options]\n"
           "Simulates a KY-N4 (model 1) or KY-N5 (model 2) unit on a pseudo-terminal\n"
           "and prints the terminal's path on the first line of stdout.\n"
           "\n"
           "  --model N                1 or 2 (default 1)\n"
           "  --remote                 start in remote mode\n"
           "  --clock-offset S         the unit's clock runs S seconds from the time set\n"
           "  --loading-error-after N  reject the firmware after N lines\n"
           "  --wrong-read-back L[:N]  answer the read-back of letter L wrongly (N times)\n"
           "  --reply-delay MS         delay every answer by MS milliseconds\n"
           "  --hang-up-after N        hang up when the Nth line arrives\n"
           "  --banner-without-crlf    model 1: send the banner without CR LF\n"
           "  --stream N[:R]           stream N units a second (R to a record) once the PC\n"
           "                           sends the start command\n"
           "  --link PATH              make PATH a symlink to the terminal\n"
           "  --ignore-stdin           run until SIGINT or SIGTERM only\n"
           "\n"
           "Runs until SIGINT, SIGTERM or the end of stdin. Commands on stdin, one a line:\n"
           "  power-failure   send the power-failure line\n"
           "  remote-stop     leave remote mode and say so\n"
           "  send TEXT       send TEXT and CR LF\n"
           "  start-stream    start monitoring now and stream (at the --stream rate)\n"
           "  end             end monitoring: send the end record now\n"
           "  hang-up         close the unit's end of the line\n"
           "  quit            end the program\n";
}

}  // namespace unitsim
