// What a test's stand-in dialog answers next: the front of a queue of
// paths, "" (a cancel) once it is empty.
#pragma once

#include <deque>
#include <string>

namespace analyser::editors::test {

inline std::string NextAnswer(std::deque<std::string>& answers) {
    if (answers.empty()) return {};
    std::string next = answers.front();
    answers.pop_front();
    return next;
}

}  // namespace analyser::editors::test
