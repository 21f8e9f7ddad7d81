// Files appear complete or not at all: the text goes to a temporary file in the same directory,
// which is then moved under its name, without replacing anything or replacing the old file.
#include "io/datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// The whole text in a temporary file beside name, with the permissions of the file it may replace;
// false when that fails, and then nothing is left.
bool vorbereiten(const char* name, const std::function<void(FILE*)>& schreiber, std::string& temp) {
  int fd = temporaer_oeffnen(name, temp);
  if (fd < 0) return false;
  struct stat alt;
  if (stat(name, &alt) == 0 && S_ISREG(alt.st_mode)) fchmod(fd, alt.st_mode & 07777);
  if (schreiben(fd, schreiber)) return true;
  unlink(temp.c_str());
  return false;
}

}  // namespace

Anlegen datei_anlegen(const char* name, const std::function<void(FILE*)>& schreiber) {
  std::string temp;
  if (!vorbereiten(name, schreiber, temp)) return Anlegen::fehler;
  int fehler = einsetzen(temp, name);
  return fehler == 0 ? Anlegen::erledigt : fehler == EEXIST ? Anlegen::vorhanden : Anlegen::fehler;
}

Anlegen datei_ersetzen(const char* name, const std::function<void(FILE*)>& schreiber) {
  std::string temp;
  if (!vorbereiten(name, schreiber, temp)) return Anlegen::fehler;
  if (std::rename(temp.c_str(), name) == 0) return Anlegen::erledigt;
  unlink(temp.c_str());
  return Anlegen::fehler;
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
