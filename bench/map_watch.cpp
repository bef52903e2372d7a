// Waits for the X server to map a top-level window of the given title and at least the given
// width, and prints the wall-clock time of that map in microseconds since the epoch.
// Usage: map_watch TITLE MIN-WIDTH   (prints "ready" once it listens, then the time)
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TITLE MIN-WIDTH\n", argv[0]);
        return 2;
    }
    const int minWidth = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root)
            continue;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        XWindowAttributes attributes;
        char* name = nullptr;
        if (!XGetWindowAttributes(display, event.xmap.window, &attributes) || attributes.width < minWidth)
            continue;
        const bool match = XFetchName(display, event.xmap.window, &name) && name && std::strcmp(name, argv[1]) == 0;
        if (name)
            XFree(name);
        if (match) {
            std::printf("%lld\n",
                        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            return 0;
        }
    }
}
