#include "lexcore/rtl/lx_atomicsave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

UnicodeString Reason(int err) {
  return UTF8ToUTF16(std::strerror(err));
}

[[noreturn]] void CannotCreate(const UnicodeString& fileName, int err) {
  throw EFCreateError(u"Cannot create file \"" + fileName + u"\". " + Reason(err));
}

[[noreturn]] void CannotWrite(const UnicodeString& fileName, int err) {
  throw EWriteError(u"Cannot write file \"" + fileName + u"\". " + Reason(err));
}

// The file a save replaces: a link's target, so the link survives.
std::string ResolvedTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;  // a dangling link is replaced by the file
  std::string target(real);
  std::free(real);
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot flush a folder; the rename itself has happened by then.
  (void)::fsync(fd);
  ::close(fd);
}

// Removes the temporary unless the save got as far as renaming it.
class TTemporaryFile {
 public:
  explicit TTemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TTemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;
  const std::string& Path() const { return path_; }
  void Release() { path_.clear(); }

 private:
  std::string path_;
};

// Copies the finished temporary into a device, pipe or socket that the save names: such a file is written
// to, never replaced (renaming over /dev/null would put an ordinary file in its place).
void CopyIntoSpecialFile(const std::string& temporary, const std::string& target,
                         const UnicodeString& fileName) {
  const int in = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) CannotWrite(fileName, errno);
  const int out = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (out < 0) {
    const int err = errno;
    ::close(in);
    CannotCreate(fileName, err);
  }
  int err = 0;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      if (got < 0) err = errno;
      break;
    }
    for (ssize_t done = 0; done < got && err == 0;) {
      const ssize_t put = ::write(out, buffer + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0)
        err = put < 0 ? errno : EIO;
      else
        done += put;
    }
    if (err != 0) break;
  }
  ::close(in);
  if (::close(out) != 0 && err == 0) err = errno;
  if (err != 0) CannotWrite(fileName, err);
}

}  // namespace

void SaveFileDurably(const UnicodeString& fileName, const std::function<void(TStream&)>& write) {
  const std::string native = FileNameToNative(fileName);
  if (native.empty()) CannotCreate(fileName, ENOENT);
  const std::string target = ResolvedTarget(native);
  const std::string folder = FolderOf(target);
  const std::size_t slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

  std::string pattern = (folder == "/" ? std::string("/") : folder + "/") + "." + base + ".save-XXXXXX";
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) CannotCreate(fileName, errno);
  TTemporaryFile temporary(pattern);

  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
  if (::fchmod(fd, mode) != 0) {
    const int err = errno;
    ::close(fd);
    CannotCreate(fileName, err);
  }
  ::close(fd);

  {
    TFileStream stream(UTF8ToUTF16(pattern), fmOpenReadWrite);
    write(stream);
    if (::fsync(stream.Handle()) != 0) CannotWrite(fileName, errno);
  }
  if (::stat(target.c_str(), &old) == 0 && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) {
    CopyIntoSpecialFile(temporary.Path(), target, fileName);
    return;
  }
  if (::rename(temporary.Path().c_str(), target.c_str()) != 0) CannotCreate(fileName, errno);
  temporary.Release();
  SyncFolder(folder);
}

void SaveFileDurably(const UnicodeString& fileName, const void* data, std::size_t size) {
  SaveFileDurably(fileName, [&](TStream& s) {
    errno = 0;
    if (size > 0 && s.Write(data, static_cast<int64_t>(size)) != static_cast<int64_t>(size))
      CannotWrite(fileName, errno != 0 ? errno : EIO);
  });
}

}  // namespace lx
