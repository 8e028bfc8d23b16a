// Whole-file writes on Windows: a new file in the target's folder,
// moved over the target.
#include <windows.h>

#include <atomic>

#include "base/whole_file.h"

namespace aadx {
namespace {

// Creates a file of a name no one else uses beside target;
// INVALID_HANDLE_VALUE when the folder does not let us.
HANDLE CreateSibling(const std::string& target, std::string* name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = target + ".new" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter++);
    HANDLE file = CreateFileA(name->c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
      return file;
    }
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, const std::string& content) {
  size_t done = 0;
  while (done < content.size()) {
    DWORD chunk = static_cast<DWORD>(
        content.size() - done < (1u << 30) ? content.size() - done : 1u << 30);
    DWORD written = 0;
    if (!WriteFile(file, content.data() + done, chunk, &written, nullptr) ||
        written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

Status WriteFileWhole(const std::string& path, const std::string& content) {
  std::string temp;
  HANDLE file = CreateSibling(path, &temp);
  if (file == INVALID_HANDLE_VALUE) {
    return Status::NotCreated(path +
                              ": a new file could not be made in its folder "
                              "(the folder may be missing or read-only)");
  }
  bool written = WriteAll(file, content);
  written = CloseHandle(file) && written;
  if (!written) {
    DeleteFileA(temp.c_str());
    return Status::NotWritten(path +
                              ": the text could not all be written (the disk "
                              "may be full); the file is left as it was");
  }
  if (!MoveFileExA(temp.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temp.c_str());
    return Status::NotCreated(path +
                              ": the new file could not take this name (a "
                              "folder may have it); the file is left as it "
                              "was");
  }
  return Status::OK();
}

}  // namespace aadx
