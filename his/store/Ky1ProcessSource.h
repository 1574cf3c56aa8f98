// The KY1 source of a real old history file, read by a reader program in a
// process of its own. The database library is not safe against damaged
// files: whatever it does with one (a crash, a signal, a loop that never
// ends), it does it there, and here it is no more than a failed read.
//
// The reader gets the file's path as its last argument and writes the
// reads as a KY1 stream (Ky1Stream.h) on its file descriptor 3.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Ky1Source.h"
#include "Ky1Stream.h"
#include "Progress.h"

namespace store {

class Ky1ProcessSource final : public Ky1Source {
public:
    // Every MstTable row takes at least this many bytes of the file; a
    // stream with more rows than the file can hold describes damage.
    static constexpr int64_t kMinRowBytes = 38;
    static constexpr int kDefaultSilenceLimitMs = 30000;

    struct Options {
        // The reader program and any arguments before the path.
        std::vector<std::string> command;
        // How long the reader may stay silent before it counts as hung.
        int silenceLimitMs = kDefaultSilenceLimitMs;
        // While waiting for the reader the window system runs through it;
        // its Cancel ends the rows as if the table had ended there.
        ProgressSink* progress = nullptr;
        // The reader's error output is dropped instead of shared.
        bool quiet = false;
    };

    explicit Ky1ProcessSource(Options options);
    ~Ky1ProcessSource() override;
    Ky1ProcessSource(const Ky1ProcessSource&) = delete;
    Ky1ProcessSource& operator=(const Ky1ProcessSource&) = delete;

    // Starts the reader on path; false when the file is no regular file,
    // the reader cannot be started, or it cannot open the file.
    bool Open(const std::string& path) override;
    // Ends the reader and waits for it: one that sent its whole stream
    // exits on its own, any other is killed.
    void Close() override;
    std::optional<int64_t> MstCount() override;
    std::optional<Ky1Inf> InfRead() override;
    std::optional<std::array<Ky1Trg, 2>> TrgRead() override;
    bool MstBegin() override;
    Step MstNext(Ky1Mst& row) override;

    // How the last reader ended: its exit status as waitpid gives it, or -1
    // while none has ended.
    int LastStatus() const { return status_; }

private:
    class Pipe;

    bool Spawn(const std::string& path);
    // Waits for a reader that sent its whole stream to exit; false when it
    // does not within the silence limit.
    bool AwaitExit(int& status);

    Options options_;
    pid_t pid_ = -1;
    int status_ = -1;
    std::unique_ptr<Pipe> pipe_;
    std::unique_ptr<Ky1StreamSource> stream_;
};

}  // namespace store
