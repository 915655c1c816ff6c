// The temporary file comes from WriteTemporaryFile (its name, mode and folder as every other save
// has them), opened again to be appended to.
#include "StreamedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "Commands.h"
#include "fileio/AtomicFile.h"

namespace wallcalc {

StreamedFile::StreamedFile(std::filesystem::path path)
    : m_path(std::move(path)), m_target(wall::FinalTarget(m_path)) {
    if (int err = wall::ReplaceableTarget(m_target)) Fail(err);
    if (int err = wall::WriteTemporaryFile(m_target, {}, m_tmp)) Fail(err);
    m_fd = ::open(m_tmp.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (m_fd < 0) Fail(errno);
}

StreamedFile::~StreamedFile() {
    if (m_fd >= 0) ::close(m_fd);
    if (!m_tmp.empty()) ::unlink(m_tmp.c_str());
}

void StreamedFile::Fail(int err) {
    throw CommandError{"无法写入 " + m_path.string() + "：" + wall::FileErrorText(err)};
}

void StreamedFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void StreamedFile::Commit() {
    if (::fsync(m_fd) != 0 && errno != EINVAL && errno != EROFS) Fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) Fail(errno);
    struct stat old {};
    if (::stat(m_target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::chmod(m_tmp.c_str(), old.st_mode & 07777);
    if (std::rename(m_tmp.c_str(), m_target.c_str()) != 0) Fail(errno);
    m_tmp.clear();
}

}  // namespace wallcalc
