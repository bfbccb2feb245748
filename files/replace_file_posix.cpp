// POSIX: the temporary file from mkstemp in the target's folder, given the
// target's permissions and renamed over it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/replace_file.h"

constexpr int pathRoom = 4096;

// "<folder>/.tnwXXXXXX" for mkstemp; false when the path is too long.
static bool temporaryPattern(const char* path, char (&pattern)[pathRoom])
{
    const char* slash = std::strrchr(path, '/');
    const int folder = slash ? static_cast<int>(slash - path) + 1 : 0;
    const int n = std::snprintf(pattern, pathRoom, "%.*s.tnwXXXXXX", folder, path);
    return n > 0 && n < pathRoom;
}

static bool writeWhole(int file, const char* data, int32_t size)
{
    while (size > 0) {
        const ssize_t n = write(file, data, static_cast<std::size_t>(size));
        if (n <= 0) return false;
        data += n;
        size -= static_cast<int32_t>(n);
    }
    return fsync(file) == 0;
}

bool replaceFile(const char* path, const char* data, int32_t size)
{
    struct stat status;
    const bool existed = stat(path, &status) == 0;
    // Opened first: it can be written at all; a new one gets the usual
    // permissions, which the temporary file then takes over.
    const int target = open(path, O_WRONLY | O_CREAT, 0666);
    if (target < 0) return false;
    char temporary[pathRoom];
    int file = -1;
    if (fstat(target, &status) == 0 && temporaryPattern(path, temporary)) file = mkstemp(temporary);
    close(target);
    bool replaced = file >= 0 && fchmod(file, status.st_mode & 07777) == 0 && writeWhole(file, data, size);
    if (file >= 0) replaced = close(file) == 0 && replaced;
    replaced = replaced && rename(temporary, path) == 0;
    if (!replaced) {
        if (file >= 0) unlink(temporary);
        if (!existed) unlink(path);
    }
    return replaced;
}
