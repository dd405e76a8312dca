/* A stand-in libXinerama.so.1 for the two-monitor test: it reports the heads listed in
   LENZOR_XINERAMA ("x,y,width,height;..." in X screen coordinates, the primary first), so that
   Wine, which takes its monitors from Xinerama when RandR is missing, shows a program several
   monitors on one Xvfb screen. Built by monitors_e2e.py with the system's C compiler. */
#include <stdio.h>
#include <stdlib.h>

typedef struct {
    int screen_number;
    short x_org, y_org, width, height;
} XineramaScreenInfo;
typedef struct _XDisplay Display;

enum { kMaxHeads = 16 };

int XineramaQueryExtension(Display *display, int *event_base, int *error_base) {
    (void)display;
    *event_base = 0;
    *error_base = 0;
    return 1;
}

int XineramaIsActive(Display *display) {
    (void)display;
    return 1;
}

/* The caller frees the list with XFree, which is free. */
XineramaScreenInfo *XineramaQueryScreens(Display *display, int *count) {
    (void)display;
    XineramaScreenInfo *heads = calloc(kMaxHeads, sizeof *heads);
    const char *layout = getenv("LENZOR_XINERAMA");
    int n = 0;
    while (heads && layout && n < kMaxHeads) {
        int x, y, w, h, used = 0;
        if (sscanf(layout, "%d,%d,%d,%d%n", &x, &y, &w, &h, &used) != 4) {
            break;
        }
        heads[n] = (XineramaScreenInfo){n, (short)x, (short)y, (short)w, (short)h};
        ++n;
        layout += used;
        if (*layout != ';') {
            break;
        }
        ++layout;
    }
    *count = heads ? n : 0;
    return heads;
}
