// New files appear complete or not at all: the text goes to a temporary file in the same
// directory, which is then moved under its name without replacing anything.
#include "io/datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

// A temporary file beside name, created exclusively; -1 when none can be made.
int temporaer_oeffnen(const char* name, std::string& temp) {
  for (int versuch = 0; versuch < 100; versuch++) {
    temp = std::string(name) + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(versuch);
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes the whole text and puts it on the disk; false on any failure. Closes fd.
bool schreiben(int fd, const std::function<void(FILE*)>& schreiber) {
  FILE* fp = fdopen(fd, "w");
  if (!fp) {
    close(fd);
    return false;
  }
  schreiber(fp);
  bool gut = std::fflush(fp) == 0 && !std::ferror(fp) && fsync(fd) == 0;
  return std::fclose(fp) == 0 && gut;
}

// Moves temp to name unless name exists, atomically; 0 or the error number. File systems that
// cannot rename without replacing get a hard link instead. temp is gone afterwards.
int einsetzen(const std::string& temp, const char* name) {
  if (renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, name, RENAME_NOREPLACE) == 0) return 0;
  int fehler = errno;
  if (fehler == EINVAL || fehler == ENOSYS) fehler = link(temp.c_str(), name) == 0 ? 0 : errno;
  unlink(temp.c_str());
  return fehler;
}

}  // namespace

Anlegen datei_anlegen(const char* name, const std::function<void(FILE*)>& schreiber) {
  std::string temp;
  int fd = temporaer_oeffnen(name, temp);
  if (fd < 0) return Anlegen::fehler;
  if (!schreiben(fd, schreiber)) {
    unlink(temp.c_str());
    return Anlegen::fehler;
  }
  int fehler = einsetzen(temp, name);
  return fehler == 0 ? Anlegen::erledigt : fehler == EEXIST ? Anlegen::vorhanden : Anlegen::fehler;
}

FILE* zum_lesen_oeffnen(const char* name) {
  FILE* fp = std::fopen(name, "r");
  struct stat st;
  if (fp && fstat(fileno(fp), &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fclose(fp);
    errno = EISDIR;
    return nullptr;
  }
  return fp;
}

bool datei_vorhanden(const char* name) {
  struct stat st;
  return lstat(name, &st) == 0;
}
