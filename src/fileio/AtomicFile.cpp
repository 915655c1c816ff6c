// Temporary file, fsync, then rename over the final target of the path.
#include "fileio/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace wall {
namespace {

mode_t CurrentUmask() {
    mode_t m = ::umask(0);
    ::umask(m);
    return m;
}

int WriteAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int Sync(int fd) {
    return ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
}

// Rewrites a file with several hard links in place, so that all of them see the new bytes.
int RewriteInPlace(const std::filesystem::path& target, std::span<const uint8_t> bytes) {
    int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    int err = WriteAll(fd, bytes);
    if (!err && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) err = errno;
    if (!err) err = Sync(fd);
    if (::close(fd) != 0 && !err) err = errno;
    return err;
}

}  // namespace

std::string FileErrorText(int err, FileAccess access) {
    const bool reading = access == FileAccess::kRead;
    switch (err) {
        case ENOENT:
            return reading ? "文件不存在" : "文件夹不存在";
        case ENOTDIR:
            return "路径中有不是文件夹的部分";
        case EACCES:
        case EPERM:
            return reading ? "没有读取权限" : "没有写入权限";
        case ENOSPC:
        case EDQUOT:
            return "磁盘已满";
        case EROFS:
            return "文件系统只读";
        case EISDIR:
            return reading ? "这是一个文件夹" : "同名文件夹已存在";
        case EEXIST:
            return "文件已存在";
        case ENAMETOOLONG:
            return "文件名太长";
        case ELOOP:
            return "符号链接循环";
        case EIO:
            return "读写设备出错";
        case EMFILE:
        case ENFILE:
            return "打开的文件太多";
        case kNotRegularFile:
            return "不是普通文件（设备、管道或套接字），不能替换";
        default:
            return std::string("系统错误：") + std::strerror(err);
    }
}

std::filesystem::path FinalTarget(const std::filesystem::path& path) {
    std::filesystem::path p = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
        std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) return p;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return path;
}

int WriteTemporaryFile(const std::filesystem::path& near, std::span<const uint8_t> bytes,
                       std::string& tmpName) {
    std::string tmpl = near.string() + ".tmp.XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) return errno;
    tmpName = name.data();
    int err = WriteAll(fd, bytes);
    if (!err) err = Sync(fd);
    // mkstemp makes 0600; a saved file is an ordinary document.
    ::fchmod(fd, 0666 & ~CurrentUmask());
    if (::close(fd) != 0 && !err) err = errno;
    if (err) ::unlink(tmpName.c_str());
    return err;
}

int ReplaceableTarget(const std::filesystem::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) return 0;
    // Only a regular file is replaced: renaming over a device or a pipe (/dev/null as root) would
    // remove the node itself.
    if (!S_ISREG(old.st_mode)) return S_ISDIR(old.st_mode) ? EISDIR : kNotRegularFile;
    // A file made read-only stays as it is, also for root.
    if ((old.st_mode & 0222) == 0) return EACCES;
    return 0;
}

FileLock::FileLock(const std::filesystem::path& path, bool exclusive) {
    // O_NONBLOCK: opening a pipe must not wait for its other end.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd < 0) return;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    while (::flock(fd_, exclusive ? LOCK_EX : LOCK_SH) != 0 && errno == EINTR) {
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

int ReplaceFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    const std::filesystem::path target = FinalTarget(path);
    if (int err = ReplaceableTarget(target)) return err;
    const FileLock lock(target, true);
    struct stat old {};
    std::string tmp;
    if (int err = WriteTemporaryFile(target, bytes, tmp)) return err;
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::chmod(tmp.c_str(), old.st_mode & 07777);
        if (::chown(tmp.c_str(), old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; anyone else's new copy stays theirs.
        }
        if (old.st_nlink > 1 && RewriteInPlace(target, bytes) == 0) {
            ::unlink(tmp.c_str());
            return 0;
        }
    }
    if (std::rename(tmp.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        return err;
    }
    return 0;
}

}  // namespace wall
