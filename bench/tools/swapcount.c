/* LD_PRELOAD shim for measuring: appends the time of every buffer swap (CLOCK_REALTIME, microseconds)
   to the file named by $SWAPLOG, then swaps. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static int log_fd = -2;

static void note_swap(void)
{
    if (log_fd == -2) {
        const char* path = getenv("SWAPLOG");
        log_fd = path ? open(path, O_WRONLY | O_CREAT | O_APPEND, 0644) : -1;
    }
    if (log_fd < 0)
        return;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    char line[32];
    const int n = snprintf(line, sizeof line, "%lld\n", (long long)now.tv_sec * 1000000 + now.tv_nsec / 1000);
    if (write(log_fd, line, (size_t)n) < 0)
        return;
}

void glXSwapBuffers(void* display, unsigned long drawable)
{
    static void (*real)(void*, unsigned long);
    if (!real)
        real = (void (*)(void*, unsigned long))dlsym(RTLD_NEXT, "glXSwapBuffers");
    note_swap();
    real(display, drawable);
}

unsigned eglSwapBuffers(void* display, void* surface)
{
    static unsigned (*real)(void*, void*);
    if (!real)
        real = (unsigned (*)(void*, void*))dlsym(RTLD_NEXT, "eglSwapBuffers");
    note_swap();
    return real(display, surface);
}
