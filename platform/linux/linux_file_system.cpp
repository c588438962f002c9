#include "linux/linux_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

namespace ostrel {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const std::string& content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool IsKind(const std::string& path, mode_t kind) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

enum class Flush { kToDisk, kNo };

// Writes the content to a new temporary file beside the target, flushed to disk when asked. Empty
// when that failed (nothing is left behind).
std::optional<std::string> WriteTemporary(const std::string& path, const std::string& content,
                                          mode_t mode, Flush flush) {
    std::string temporary = path + ".XXXXXX";
    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) return std::nullopt;
    const bool written = ::fchmod(file.Get(), mode) == 0 && WriteAll(file.Get(), content) &&
                         (flush == Flush::kNo || ::fsync(file.Get()) == 0);
    if (!file.Close() || !written) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return temporary;
}

void SyncFolderOf(const std::string& path) {
    FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

}  // namespace

std::optional<std::string> LinuxFileSystem::ReadFile(const std::string& path) const {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

bool LinuxFileSystem::WriteFileAtomic(const std::string& path, const std::string& content) {
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    const std::optional<std::string> temporary =
        WriteTemporary(path, content, mode, Flush::kToDisk);
    if (!temporary) return false;
    if (::rename(temporary->c_str(), path.c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}

bool LinuxFileSystem::CreateNewFile(const std::string& path, const std::string& content) {
    // A new file's first lines are appended to like any others, without a flush: waiting for the
    // disk here would only slow the first start of a day.
    const std::optional<std::string> temporary = WriteTemporary(path, content, 0644, Flush::kNo);
    if (!temporary) return false;
    // link() fails when the target exists, so the file appears once and complete.
    const bool created = ::link(temporary->c_str(), path.c_str()) == 0;
    ::unlink(temporary->c_str());
    return created;
}

bool LinuxFileSystem::AppendToFile(const std::string& path, const std::string& content) {
    // O_APPEND makes each write land at the current end, whole, even with several writers.
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    if (file.Get() < 0) return false;
    const bool written = WriteAll(file.Get(), content);
    return file.Close() && written;
}

bool LinuxFileSystem::CreateFile(const std::string& path, const std::string& content) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.Get() < 0) return false;
    const bool written = WriteAll(file.Get(), content);
    return file.Close() && written;
}

bool LinuxFileSystem::FileExists(const std::string& path) const {
    return IsKind(path, S_IFREG);
}

bool LinuxFileSystem::DirectoryExists(const std::string& path) const {
    return IsKind(path, S_IFDIR);
}

bool LinuxFileSystem::CreateDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0 || (errno == EEXIST && DirectoryExists(path));
}

bool LinuxFileSystem::DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

}  // namespace ostrel
