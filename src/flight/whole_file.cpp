// SPDX-License-Identifier: MIT
// POSIX calls, each result checked: a write may take fewer bytes than asked or fail with ENOSPC,
// and a delayed allocation failure shows only at fsync, so both are failures before the rename.
#include "flight/whole_file.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace purzo {
namespace {

const FileCalls kSystemCalls{
    [](int fd, const void* bytes, std::size_t count) { return ::write(fd, bytes, count); },
    [](int fd) { return ::fsync(fd); },
    [](const char* from, const char* to) { return ::rename(from, to); },
};

const FileCalls* gCalls = &kSystemCalls;

constexpr std::string_view kTemporaryMark = ".purzo-";

FileFailure Failed(FileStep step, int errorNumber = errno) {
    return {step, errorNumber};
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// The file a save of `path` writes: where `path` is a symbolic link, the file it leads to, so
// that the link stays a link.
std::string SaveTargetOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            std::string target = resolved;
            std::free(resolved);
            return target;
        }
    }
    return path;
}

// Qt's temporary files of an earlier save: "<name>." and six random letters and digits.
bool IsQtTemporaryName(std::string_view name, std::string_view target) {
    if (name.size() != target.size() + 7 || !name.starts_with(target) ||
        name[target.size()] != '.') {
        return false;
    }
    bool mixed = false; // "backup" is a user's own file; Qt's random names mix cases and digits
    for (const char c : name.substr(target.size() + 1)) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
        mixed = mixed || std::isupper(static_cast<unsigned char>(c)) ||
                std::isdigit(static_cast<unsigned char>(c));
    }
    return mixed;
}

} // namespace

const FileCalls& SystemFileCalls() {
    return kSystemCalls;
}

FileCallsForTesting::FileCallsForTesting(const FileCalls& calls) : before_(gCalls) {
    gCalls = &calls;
}

FileCallsForTesting::~FileCallsForTesting() {
    gCalls = before_;
}

std::optional<FileFailure> CheckSaveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional(Failed(FileStep::Target));
    }
    if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &st) != 0) {
        return Failed(FileStep::Target); // a link that leads nowhere
    }
    if (S_ISDIR(st.st_mode)) {
        return Failed(FileStep::Target, EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        return Failed(FileStep::Target, ENODEV);
    }
    return std::nullopt;
}

std::string TemporaryNameBeside(const std::string& path) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropy;
    std::string name = FolderOf(path) + "/." + std::filesystem::path(path).filename().string() +
                       std::string(kTemporaryMark);
    for (int i = 0; i < 8; ++i) {
        name += kLetters[entropy() % (sizeof kLetters - 1)];
    }
    return name;
}

std::optional<FileFailure> PlaceWrittenFile(const std::string& temporary, const std::string& path) {
    const auto fail = [&temporary](FileFailure failure) {
        ::unlink(temporary.c_str());
        return failure;
    };
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return fail(Failed(FileStep::Flush));
    }
    const bool flushed = gCalls->fsync(fd) == 0;
    const int flushError = errno;
    ::close(fd);
    if (!flushed) {
        return fail(Failed(FileStep::Flush, flushError));
    }
    if (gCalls->rename(temporary.c_str(), path.c_str()) != 0) {
        return fail(Failed(FileStep::Rename));
    }
    // The rename itself lasts once the folder is on the disk; where that cannot be asked the
    // file is in place all the same.
    const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

std::optional<FileFailure> SaveWholeFile(const std::string& path, std::string_view bytes) {
    if (auto refused = CheckSaveTarget(path)) {
        return refused;
    }
    const std::string target = SaveTargetOf(path);
    const std::string temporary = TemporaryNameBeside(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Failed(FileStep::Create);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = gCalls->write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const FileFailure failure = Failed(FileStep::Write, n == 0 ? ENOSPC : errno);
            ::close(fd);
            ::unlink(temporary.c_str());
            return failure;
        }
        written += std::size_t(n);
    }
    if (::close(fd) != 0) {
        const FileFailure failure = Failed(FileStep::Write);
        ::unlink(temporary.c_str());
        return failure;
    }
    return PlaceWrittenFile(temporary, target);
}

int RemoveStrayTemporaryFiles(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::string ours = "." + name + std::string(kTemporaryMark);
    std::error_code ec;
    int removed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FolderOf(path), ec)) {
        const std::string entryName = entry.path().filename().string();
        std::error_code typeError;
        if ((entryName.starts_with(ours) || IsQtTemporaryName(entryName, name)) &&
            entry.is_regular_file(typeError) && ::unlink(entry.path().c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

FileContent ReadWholeFile(const std::string& path, std::size_t mostBytes) {
    FileContent content;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        content.failure = Failed(FileStep::Read);
        return content;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        content.failure = Failed(FileStep::Read, S_ISDIR(st.st_mode) ? EISDIR : ENODEV);
    } else if (std::size_t(st.st_size) > mostBytes) {
        content.failure = Failed(FileStep::Read, EFBIG);
    } else {
        char buffer[65536];
        while (true) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                content.failure = Failed(FileStep::Read);
                break;
            }
            if (n == 0) {
                break;
            }
            content.bytes.append(buffer, std::size_t(n));
            if (content.bytes.size() > mostBytes) { // grew while read
                content.failure = Failed(FileStep::Read, EFBIG);
                break;
            }
        }
    }
    ::close(fd);
    if (content.failure) {
        content.bytes.clear();
    }
    return content;
}

std::string FailureText(const FileFailure& failure) {
    if (failure.step == FileStep::Target && failure.errorNumber == ENODEV) {
        return "not a regular file";
    }
    return std::strerror(failure.errorNumber);
}

} // namespace purzo
