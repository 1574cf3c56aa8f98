// The fixed texts the unit puts on the wire. Every returned text is the
// exact byte sequence sent, line end included where the unit sends one.
#pragma once

#include <string>
#include <string_view>

namespace unitsim {

inline constexpr std::string_view kCrLf = "\r\n";

// "KY-N4" for model 1, "KY-N5" for model 2.
std::string ModelName(int model);
// Answer to "v" outside remote mode.
std::string LocalBanner(int model, bool withCrLf);
// Answer to "v" in remote mode, and the confirmation after a remote request.
std::string RemoteBanner(int model);
std::string LoadingErrorLine();
std::string PowerFailureLine();
std::string RemoteStopLine();
// Answer to "r": two marker bytes, then the clock as yymmddhhnnss.
std::string ClockReply(std::string_view digits);

}  // namespace unitsim
