// Shortening a long path for a label or a printed line.
#pragma once

#include <cstddef>
#include <string>

namespace store {

// path itself when it has at most maxLength characters; else its first part,
// " ... " and as many of its last parts as fit, joined with the separator
// the path uses ("\" or "/"; the first one found decides). When even the
// last part alone does not fit, that (too long) text; empty for a path of
// fewer than three parts.
std::string PathShorten(const std::string& path, size_t maxLength);

}  // namespace store
