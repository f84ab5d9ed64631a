/* Waits until a top-level window with the given title is mapped and shows a
 * pure white pixel (the clock's digits drawn), polling every 2 ms, and
 * prints the milliseconds since START_NS (CLOCK_REALTIME nanoseconds, as
 * `date +%s%N` gives them). Exits 1 after TIMEOUT_S seconds without it.
 *   window_ready TITLE START_NS TIMEOUT_S */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static long long now_ns(void) {
  struct timespec t;
  clock_gettime(CLOCK_REALTIME, &t);
  return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static int shows_white(Display *display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) ||
      attributes.map_state != IsViewable || attributes.width <= 0 || attributes.height <= 0) {
    return 0;
  }
  XImage *image = XGetImage(display, window, 0, 0, (unsigned)attributes.width,
                            (unsigned)attributes.height, AllPlanes, ZPixmap);
  if (!image) return 0;
  int found = 0;
  for (int y = 0; y < attributes.height && !found; ++y) {
    for (int x = 0; x < attributes.width && !found; ++x) {
      found = (XGetPixel(image, x, y) & 0xffffff) == 0xffffff;
    }
  }
  XDestroyImage(image);
  return found;
}

/* The top-level window named TITLE, or None. */
static Window find_window(Display *display, const char *title) {
  Window root, parent, *children = NULL, found = None;
  unsigned count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
    return None;
  }
  for (unsigned i = 0; i < count && found == None; ++i) {
    char *name = NULL;
    if (XFetchName(display, children[i], &name) && name) {
      if (strcmp(name, title) == 0) found = children[i];
      XFree(name);
    }
  }
  if (children) XFree(children);
  return found;
}

/* A window that goes away between listing and reading is no error here. */
static int ignore_error(Display *display, XErrorEvent *error) {
  (void)display;
  (void)error;
  return 0;
}

int main(int argc, char **argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: window_ready TITLE START_NS TIMEOUT_S\n");
    return 2;
  }
  const long long start = atoll(argv[2]);
  const long long deadline = start + atoll(argv[3]) * 1000000000LL;
  Display *display = XOpenDisplay(NULL);
  if (!display) return 2;
  XSetErrorHandler(ignore_error);
  /* Light on the X server, which draws the program meanwhile: the tree is
     searched until the window exists, then only its pixels are read. */
  const struct timespec pause = {0, 2000000};
  Window window = None;
  while (window == None || !shows_white(display, window)) {
    if (now_ns() > deadline) return 1;
    nanosleep(&pause, NULL);
    if (window == None) window = find_window(display, argv[1]);
  }
  printf("%lld\n", (now_ns() - start) / 1000000);
  XCloseDisplay(display);
  return 0;
}
