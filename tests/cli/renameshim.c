// SPDX-License-Identifier: GPL-3.0-or-later
/* Stands in for a file system that knows neither unnamed files (O_TMPFILE
   fails with EOPNOTSUPP) nor RENAME_NOREPLACE (FUSE, some network mounts):
   renameat2 fails with EINVAL. With QUILLORA_SHIM_NO_LINK set, hard links
   fail too (EPERM), as on file systems without them. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>

static int openWithout(const char *symbol, const char *path, int flags, va_list rest)
{
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    int (*real)(const char *, int, ...) = (int (*)(const char *, int, ...))dlsym(RTLD_NEXT, symbol);
    const mode_t mode = (flags & O_CREAT) ? va_arg(rest, mode_t) : 0;
    return real(path, flags, mode);
}

int open(const char *path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const int fd = openWithout("open", path, flags, rest);
    va_end(rest);
    return fd;
}

int open64(const char *path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const int fd = openWithout("open64", path, flags, rest);
    va_end(rest);
    return fd;
}

int renameat2(int olddirfd, const char *oldpath, int newdirfd, const char *newpath, unsigned int flags)
{
    (void)olddirfd;
    (void)oldpath;
    (void)newdirfd;
    (void)newpath;
    (void)flags;
    errno = EINVAL;
    return -1;
}

int link(const char *oldpath, const char *newpath)
{
    extern int linkat(int, const char *, int, const char *, int);
    if (getenv("QUILLORA_SHIM_NO_LINK")) {
        errno = EPERM;
        return -1;
    }
    return linkat(-100 /* AT_FDCWD */, oldpath, -100, newpath, 0);
}
