/* For measuring: waits until a viewable top-level window at least 50 x 50 whose name matches a regular
   expression exists on the display, then prints its id and the time (CLOCK_REALTIME, microseconds).
   usage: waitmapped REGEX TIMEOUT_SECONDS */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <regex.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static long long now_us(void)
{
    struct timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return (long long)t.tv_sec * 1000000 + t.tv_nsec / 1000;
}

static Window find(Display* d, Window w, const regex_t* re)
{
    XWindowAttributes a;
    char* name = NULL;
    if (XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable && a.width >= 50 && a.height >= 50 &&
        XFetchName(d, w, &name) && name) {
        const int match = regexec(re, name, 0, NULL, 0) == 0;
        XFree(name);
        if (match)
            return w;
    }
    Window root, parent, *children = NULL;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &n)) {
        for (unsigned i = 0; i < n && !found; ++i)
            found = find(d, children[i], re);
        if (children)
            XFree(children);
    }
    return found;
}

/* Windows come and go while the tree is walked: a vanished one is no error here. */
static int ignore_errors(Display* d, XErrorEvent* e)
{
    (void)d;
    (void)e;
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    regex_t re;
    if (regcomp(&re, argv[1], REG_EXTENDED | REG_NOSUB))
        return 2;
    Display* d = XOpenDisplay(NULL);
    if (!d)
        return 1;
    XSetErrorHandler(ignore_errors);
    const long long deadline = now_us() + atoll(argv[2]) * 1000000LL;
    while (now_us() < deadline) {
        const Window w = find(d, DefaultRootWindow(d), &re);
        if (w) {
            printf("%lu %lld\n", (unsigned long)w, now_us());
            return 0;
        }
        usleep(2000);
    }
    return 1;
}
