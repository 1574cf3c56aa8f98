#include "WireTexts.h"

#include <utility>

namespace unitsim {

namespace {

// A model-1 PC takes its banner as the first 160 bytes it receives, and in
// that step drops complete lines shorter than that; both banners of model 1
// are therefore longer.
constexpr std::size_t kModel1BannerBytes = 198;
constexpr std::size_t kModel1RemoteBytes = 160;

std::string PadTo(std::string text, std::size_t length) {
    if (text.size() < length) text.append(length - text.size(), ' ');
    return text;
}

std::string WithCrLf(std::string text) {
    text += kCrLf;
    return text;
}

}  // namespace

std::string ModelName(int model) { return model == 2 ? "KY-N5" : "KY-N4"; }

std::string LocalBanner(int model, bool withCrLf) {
    if (model == 2) return WithCrLf("KY-N5 LINE MONITOR  FIRMWARE V2.04  READY");
    std::string text = PadTo(
        "KY-N4 LINE MONITOR  FIRMWARE V1.20  BOOT V1.03  CAPTURE MEMORY 1024KB  "
        "INTERFACE RS-232C/RS-422/RS-485  LINE SPEED 50-460800BPS  SELF TEST OK",
        kModel1BannerBytes);
    return withCrLf ? WithCrLf(std::move(text)) : text;
}

std::string RemoteBanner(int model) {
    if (model == 2) return WithCrLf("*** KY-N5 Remote Mode Start ***");
    return WithCrLf(PadTo("*** KY-N4 Remote Mode Start ***", kModel1RemoteBytes));
}

std::string LoadingErrorLine() { return WithCrLf("*** LOADING_ERR !!!***"); }

std::string PowerFailureLine() { return WithCrLf("e"); }

std::string RemoteStopLine() { return WithCrLf("*** KY-N5 Remote Mode Stop ***"); }

std::string ClockReply(std::string_view digits) {
    std::string reply = "R:";
    reply += digits;
    return WithCrLf(std::move(reply));
}

}  // namespace unitsim
