// SPDX-License-Identifier: MIT
// Files written whole or not at all: every byte goes to a temporary file beside the target,
// each write and the flush to the disk checked, and only then is it renamed over the target. On
// any failure the target stays exactly as it was and the temporary file is removed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace purzo {

enum class FileStep { Target, Create, Write, Flush, Rename, Read };

struct FileFailure {
    FileStep step = FileStep::Write;
    int errorNumber = 0; // errno of the call that failed: ENOSPC for a full disk, EISDIR, …
};

// The system calls a save makes, replaceable so that tests can fail one (a full disk).
struct FileCalls {
    ssize_t (*write)(int fd, const void* bytes, std::size_t count);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};
const FileCalls& SystemFileCalls();
// Every save made while it lives uses `calls`.
class FileCallsForTesting {
public:
    explicit FileCallsForTesting(const FileCalls& calls);
    ~FileCallsForTesting();
    FileCallsForTesting(const FileCallsForTesting&) = delete;
    FileCallsForTesting& operator=(const FileCallsForTesting&) = delete;

private:
    const FileCalls* before_;
};

// Refuses a target that is a folder, a device or anything else than a file (a symbolic link is
// followed; one that leads nowhere is refused).
std::optional<FileFailure> CheckSaveTarget(const std::string& path);

// Writes `bytes` to `path` whole or not at all.
std::optional<FileFailure> SaveWholeFile(const std::string& path, std::string_view bytes);

// A fresh name for a temporary file beside `path`, which the start's clean-up recognises:
// ".<name>.purzo-<random>".
std::string TemporaryNameBeside(const std::string& path);
// Puts `temporary`, already written and closed, in place of `path`: flushed to the disk first,
// removed on failure.
std::optional<FileFailure> PlaceWrittenFile(const std::string& temporary, const std::string& path);

// Removes what a crash during a save of `path` may have left beside it: this program's
// temporary files and Qt's ("<name>.XXXXXX"). Returns how many.
int RemoveStrayTemporaryFiles(const std::string& path);

// The whole content of `path` up to `mostBytes`; a larger file gives EFBIG, one that is not
// there ENOENT.
struct FileContent {
    std::string bytes;
    std::optional<FileFailure> failure;
};
FileContent ReadWholeFile(const std::string& path, std::size_t mostBytes);

// The failure in English, for purzo-trace: "No space left on device".
std::string FailureText(const FileFailure& failure);

} // namespace purzo
