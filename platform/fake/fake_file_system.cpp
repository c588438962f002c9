#include "fake/fake_file_system.h"

namespace ostrel {

namespace {

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string ParentOf(const std::string& path) {
    const std::string trimmed = WithoutTrailingSlash(path);
    const auto slash = trimmed.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return trimmed.substr(0, slash);
}

}  // namespace

FakeFileSystem::FakeFileSystem() {
    directories_.insert("/");
    directories_.insert(".");
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) const {
    std::lock_guard lock(mutex_);
    const auto it = files_.find(path);
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

bool FakeFileSystem::WriteFileAtomic(const std::string& path, const std::string& content) {
    return CreateFile(path, content);
}

bool FakeFileSystem::AppendToFile(const std::string& path, const std::string& content) {
    std::lock_guard lock(mutex_);
    const auto it = files_.find(path);
    if (it == files_.end() || !Writable(path)) return false;
    it->second += content;
    ++writes_[path];
    return true;
}

bool FakeFileSystem::CreateFile(const std::string& path, const std::string& content) {
    std::lock_guard lock(mutex_);
    if (!ParentExists(path) || !Writable(path)) return false;
    files_[path] = content;
    ++writes_[path];
    return true;
}

bool FakeFileSystem::CreateNewFile(const std::string& path, const std::string& content) {
    std::lock_guard lock(mutex_);
    if (files_.count(path) != 0 || !ParentExists(path) || !Writable(path)) return false;
    files_[path] = content;
    ++writes_[path];
    return true;
}

bool FakeFileSystem::FileExists(const std::string& path) const {
    std::lock_guard lock(mutex_);
    return files_.count(path) != 0;
}

bool FakeFileSystem::DirectoryExists(const std::string& path) const {
    std::lock_guard lock(mutex_);
    return directories_.count(WithoutTrailingSlash(path)) != 0;
}

bool FakeFileSystem::CreateDirectory(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (!ParentExists(path)) return false;
    directories_.insert(WithoutTrailingSlash(path));
    return true;
}

bool FakeFileSystem::DeleteFile(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (!Writable(path)) return false;
    return files_.erase(path) != 0;
}

void FakeFileSystem::AddDirectories(const std::string& path) {
    std::lock_guard lock(mutex_);
    for (std::string p = WithoutTrailingSlash(path); directories_.count(p) == 0; p = ParentOf(p)) {
        directories_.insert(p);
    }
}

void FakeFileSystem::SetFile(const std::string& path, const std::string& content) {
    AddDirectories(ParentOf(path));
    std::lock_guard lock(mutex_);
    files_[path] = content;
}

void FakeFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    std::lock_guard lock(mutex_);
    if (readOnly) {
        readOnly_.insert(path);
    } else {
        readOnly_.erase(path);
    }
}

int FakeFileSystem::WriteCount(const std::string& path) const {
    std::lock_guard lock(mutex_);
    const auto it = writes_.find(path);
    return it == writes_.end() ? 0 : it->second;
}

bool FakeFileSystem::ParentExists(const std::string& path) const {
    return directories_.count(ParentOf(path)) != 0;
}

bool FakeFileSystem::Writable(const std::string& path) const {
    return readOnly_.count(path) == 0;
}

}  // namespace ostrel
