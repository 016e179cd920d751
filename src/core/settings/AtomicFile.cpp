#include "settings/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace velmorin {

namespace {

[[noreturn]] void fail(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

// A name no other writer (another thread or another running copy) uses at
// the same moment: process id plus a counter, retried on collision.
int createTemporary(const std::filesystem::path& folder, const std::string& stem,
                    std::filesystem::path& out) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    out = folder / (stem + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0)
      return fd;
    if (errno != EEXIST)
      fail(errno, "cannot create " + out.string());
  }
  fail(EEXIST, "cannot create a temporary file in " + folder.string());
}

void writeAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0) {
      if (errno == EINTR)
        continue;
      fail(errno, "write failed");
    }
    content.remove_prefix(static_cast<std::size_t>(n));
  }
}

} // namespace

void writeFileAtomically(const std::filesystem::path& requested, std::string_view content) {
  // Write through a symbolic link rather than replacing the link itself.
  std::filesystem::path target = requested;
  std::error_code ec;
  if (std::filesystem::is_symlink(target, ec)) {
    auto resolved = std::filesystem::canonical(target, ec);
    if (!ec)
      target = resolved;
  }

  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  // The rename would happily replace a read-only file: refuse as a direct
  // write would.
  if (existed && ::access(target.c_str(), W_OK) != 0)
    fail(errno, "cannot write " + target.string());

  std::filesystem::path folder = target.parent_path();
  if (folder.empty())
    folder = ".";
  std::filesystem::path temporary;
  const int fd = createTemporary(folder, target.filename().string(), temporary);
  try {
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0)
      fail(errno, "cannot set the mode of " + temporary.string());
    writeAll(fd, content);
    if (::fsync(fd) != 0)
      fail(errno, "cannot flush " + temporary.string());
  } catch (...) {
    ::close(fd);
    ::unlink(temporary.c_str());
    throw;
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    fail(error, "cannot close " + temporary.string());
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    fail(error, "cannot replace " + target.string());
  }
  // Make the rename itself durable; failing here loses nothing already written.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

} // namespace velmorin
