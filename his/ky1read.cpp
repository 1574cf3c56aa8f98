// The reader Rewindo starts for each KY1 conversion: opens the old history
// database named as its argument through the database library and writes
// what it reads as a KY1 stream on file descriptor 3. It runs on its own
// so that a damaged database can bring down nothing but this reader.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "Ky1Stream.h"
#include "MdbKy1Source.h"

namespace {

constexpr int kStreamFd = 3;

bool WriteAll(std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(kStreamFd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    bytes.clear();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file.ky1>  (writes the tables on descriptor 3)\n", argv[0]);
        return 2;
    }
    store::MdbKy1Source source;
    bool written = true;
    store::Ky1StreamServe(source, argv[1], [&](std::string& bytes) {
        written = WriteAll(bytes);
        return written;
    });
    return written ? 0 : 1;
}
