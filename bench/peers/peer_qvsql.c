/* The query builder itself, from a C host, for start-up comparisons with its peers. With
 * --first-frame the process ends as soon as the dialog's first frame has reached the X
 * server: the host stands in front of Xlib (its own definitions come first in the symbol
 * search), notes the first image put on a window it has mapped (cursor images go to
 * pixmaps) and ends at the next flush or sync, which is where the library finishes a
 * presentation. */
#define _GNU_SOURCE
#include "PeerCatalogue.h"

#include "include/QvSQLBuilder.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <dlfcn.h>
#include <string.h>
#include <unistd.h>

static int firstFrame = 0;
static int imageSent = 0;
static Window mapped[16];
static int mappedCount = 0;

static void* Real(const char* name) {
    return dlsym(RTLD_NEXT, name);
}

static void EndIfFrameSent(Display* display) {
    if (!firstFrame || !imageSent) {
        return;
    }
    int (*sync)(Display*, Bool) = (int (*)(Display*, Bool))Real("XSync");
    sync(display, False);
    _exit(0);
}

static void NoteImage(Drawable target) {
    for (int i = 0; i < mappedCount; ++i) {
        imageSent = imageSent || mapped[i] == target;
    }
}

static void NoteMapped(Window window) {
    if (mappedCount < (int)(sizeof mapped / sizeof mapped[0])) {
        mapped[mappedCount++] = window;
    }
}

int XMapWindow(Display* d, Window w) {
    NoteMapped(w);
    return ((int (*)(Display*, Window))Real("XMapWindow"))(d, w);
}

int XMapRaised(Display* d, Window w) {
    NoteMapped(w);
    return ((int (*)(Display*, Window))Real("XMapRaised"))(d, w);
}

Bool XShmPutImage(Display* d, Drawable w, GC gc, XImage* image, int sx, int sy, int dx, int dy,
                  unsigned width, unsigned height, Bool event) {
    Bool (*put)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned, unsigned, Bool) =
        (Bool(*)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned, unsigned,
                 Bool))Real("XShmPutImage");
    NoteImage(w);
    return put(d, w, gc, image, sx, sy, dx, dy, width, height, event);
}

int XPutImage(Display* d, Drawable w, GC gc, XImage* image, int sx, int sy, int dx, int dy,
              unsigned width, unsigned height) {
    int (*put)(Display*, Drawable, GC, XImage*, int, int, int, int, unsigned, unsigned) = (int (*)(
        Display*, Drawable, GC, XImage*, int, int, int, int, unsigned, unsigned))Real("XPutImage");
    NoteImage(w);
    return put(d, w, gc, image, sx, sy, dx, dy, width, height);
}

int XSync(Display* d, Bool discard) {
    EndIfFrameSent(d);
    return ((int (*)(Display*, Bool))Real("XSync"))(d, discard);
}

int XFlush(Display* d) {
    EndIfFrameSent(d);
    return ((int (*)(Display*))Real("XFlush"))(d);
}

int XPending(Display* d) {
    EndIfFrameSent(d);
    return ((int (*)(Display*))Real("XPending"))(d);
}

static void Register(void) {
    char columns[256] = "";
    for (int i = 0; i < PEER_COLUMN_MAX; ++i) {
        strcat(columns, peerColumns[i]);
        strcat(columns, "\t");
    }
    for (int i = 0; i < PEER_TABLE_COUNT; ++i) {
        SetTableAndColumns(peerTables[i], columns);
    }
}

int main(int argc, char** argv) {
    firstFrame = argc > 1 && strcmp(argv[1], "--first-frame") == 0;
    Register();
    SetCurrentTable(peerTables[0]);
    char statement[4096] = "";
    return GetSELECTSQLQuery(peerTables[0], NULL, statement, sizeof statement);
}
