// Whole-file writes on POSIX: a new file in the target's folder,
// renamed over the target.
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

#include "base/whole_file.h"

namespace aadx {
namespace {

// The file a symbolic link names is the one replaced, so a linked settings
// file stays linked.
std::string ResolvedTarget(const std::string& path) {
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved) != nullptr) return resolved;
  return path;
}

// Opens a file of a name no one else uses beside target; -1 when the folder
// does not let us.
int CreateSibling(const std::string& target, std::string* name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = target + ".new" + std::to_string(getpid()) + "-" +
            std::to_string(counter++);
    int fd = open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const std::string& content) {
  size_t done = 0;
  while (done < content.size()) {
    ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

Status WriteFileWhole(const std::string& path, const std::string& content) {
  const std::string target = ResolvedTarget(path);
  std::string temp;
  int fd = CreateSibling(target, &temp);
  if (fd < 0) {
    return Status::NotCreated(path +
                              ": a new file could not be made in its folder "
                              "(the folder may be missing or read-only)");
  }
  // The replacement keeps the permissions of the file it replaces.
  struct stat old;
  if (stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    fchmod(fd, old.st_mode & 07777);
  }
  bool written = WriteAll(fd, content);
  written = close(fd) == 0 && written;
  if (!written) {
    unlink(temp.c_str());
    return Status::NotWritten(path +
                              ": the text could not all be written (the disk "
                              "may be full); the file is left as it was");
  }
  if (rename(temp.c_str(), target.c_str()) != 0) {
    unlink(temp.c_str());
    return Status::NotCreated(path +
                              ": the new file could not take this name (a "
                              "folder may have it); the file is left as it "
                              "was");
  }
  return Status::OK();
}

}  // namespace aadx
