// SPDX-License-Identifier: GPL-3.0-or-later
/* Stands in for a file system that knows no RENAME_NOREPLACE (FUSE, some
   network mounts): renameat2 fails with EINVAL. With QUILLORA_SHIM_NO_LINK
   set, hard links fail too (EPERM), as on file systems without them. */
#define _GNU_SOURCE
#include <errno.h>
#include <stdlib.h>

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
