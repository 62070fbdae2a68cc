#include "files/atomic_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace vaporel {
namespace {

std::string Reason(int error) { return std::strerror(error); }

// The permissions a new file gets: read and write for whom the user's umask allows.
mode_t DefaultMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes all of `bytes` to `fd`, through short writes and interruptions; 0 or errno.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Reason(EISDIR);

  std::vector<char> name(path.begin(), path.end());
  for (const char c : std::string_view(".part-XXXXXX")) name.push_back(c);
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Reason(errno);
  const std::string temporary(name.data());

  int error = ::fchmod(fd, exists ? (existing.st_mode & 07777) : DefaultMode()) == 0 ? 0 : errno;
  if (error == 0) error = WriteAll(fd, bytes);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  ::unlink(temporary.c_str());
  return Reason(error);
}

}  // namespace vaporel
