// first_frame KIND PROGRAM [ARGS...]
// Starts PROGRAM on the X server of DISPLAY and prints two figures in milliseconds from just
// before its start: when the server maps its window titled "ROVOROREZOVERED.1", and when the
// screen shows that window fully drawn; then ends the program. KIND says what fully drawn is,
// read from the window's pixels on the screen:
//   drill  the start window: the title band's cyan, the title's dark red text on it, and the
//          name panel's pink;
//   bare   the bare Qt program: its label's black text.
// Needs an X server without a window manager (Xvfb), where top-level windows are children of
// the root window, and the DAMAGE extension, which tells when a window's pixels change.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "support/InizioDisegnato.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* const kTitle = "ROVOROREZOVERED.1";

std::string titleOf(Display* display, Window window) {
    XTextProperty property;
    std::string title;
    if (XGetWMName(display, window, &property) && property.value) {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return title;
}

int shiftOf(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// The window's pixels, read through shared memory: the server copies them straight into our
// memory, in well under a millisecond, instead of sending them down the connection (which
// would take the server and the machine away from the program being timed).
class Immagine {
  public:
    Immagine(Display* display, Window window) : display_(display) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        image_ = XShmCreateImage(display, attributes.visual, unsigned(attributes.depth), ZPixmap,
                                 nullptr, &info_, unsigned(attributes.width),
                                 unsigned(attributes.height));
        if (!image_)
            return;
        info_.shmid = shmget(IPC_PRIVATE, size_t(image_->bytes_per_line) * size_t(image_->height),
                             IPC_CREAT | 0600);
        info_.shmaddr = image_->data = static_cast<char*>(shmat(info_.shmid, nullptr, 0));
        info_.readOnly = False;
        XShmAttach(display, &info_);
        XSync(display, False);
        shmctl(info_.shmid, IPC_RMID, nullptr);  // gone once both sides detach
    }
    ~Immagine() {
        if (!image_)
            return;
        XShmDetach(display_, &info_);
        XDestroyImage(image_);
        shmdt(info_.shmaddr);
    }
    Immagine(const Immagine&) = delete;
    Immagine& operator=(const Immagine&) = delete;

    // The window's pixels as they are now; none if they could not be read.
    XImage* leggi(Window window) {
        if (!image_ || !XShmGetImage(display_, window, image_, 0, 0, AllPlanes))
            return nullptr;
        return image_;
    }

  private:
    Display* display_;
    XShmSegmentInfo info_{};
    XImage* image_ = nullptr;
};

// Whether the window's pixels show it fully drawn.
bool drawn(Display* display, Window window, Immagine& lettura, bool drill) {
    XImage* image = lettura.leggi(window);
    if (!image)
        return false;
    const int rs = shiftOf(image->red_mask), gs = shiftOf(image->green_mask),
              bs = shiftOf(image->blue_mask);
    // Read straight from the image's memory where it is in the usual form (32 bits a pixel,
    // the machine's byte order): XGetPixel would take longer than the drawing being timed.
    const bool diretto =
        image->bits_per_pixel == 32 &&
        image->byte_order == (ImageByteOrder(display) == LSBFirst ? LSBFirst : MSBFirst);
    const auto pixel = [&](int x, int y) {
        unsigned long v;
        if (diretto) {
            std::uint32_t word;
            std::memcpy(&word, image->data + y * image->bytes_per_line + x * 4, 4);
            v = word;
        } else {
            v = XGetPixel(image, x, y);
        }
        return Rgb{int((v & image->red_mask) >> rs), int((v & image->green_mask) >> gs),
                   int((v & image->blue_mask) >> bs)};
    };
    if (drill)
        return inizioDisegnato(image->width, image->height, pixel);
    int black = 0;
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const Rgb p = pixel(x, y);
            black += p.r < 60 && p.g < 60 && p.b < 60;
        }
    return black >= 150;
}

double since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The X server's clock (milliseconds) against ours: a property changed on the root window comes
// back with the server's time of the change, which lies between the request and the answer.
struct Orologi {
    Time server;
    Clock::time_point locale;
};

Orologi orologi(Display* display, Window root) {
    const Atom atomo = XInternAtom(display, "FIRST_FRAME_CLOCK", False);
    const Clock::time_point prima = Clock::now();
    XChangeProperty(display, root, atomo, XA_INTEGER, 32, PropModeReplace, nullptr, 0);
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == PropertyNotify && event.xproperty.atom == atomo)
            return {event.xproperty.time, prima + (Clock::now() - prima) / 2};
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3 || (std::strcmp(argv[1], "drill") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: %s drill|bare PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const bool drill = std::strcmp(argv[1], "drill") == 0;
    // An X server may be resetting after its last client left: try again for a moment.
    Display* display = nullptr;
    for (int attempt = 0; attempt < 50 && !display; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (!display)
            usleep(20000);
    }
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    if (!XShmQueryExtension(display)) {
        std::fprintf(stderr, "the X server has no MIT-SHM extension\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask | PropertyChangeMask);
    XSync(display, False);
    const Orologi sincronia = orologi(display, root);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    // A damage's time, on our clock, in milliseconds from the start.
    const auto quando = [&](Time server) {
        const double dallaSincronia = double(long(server - sincronia.server));
        return std::chrono::duration<double, std::milli>(sincronia.locale - start).count() +
               dallaSincronia;
    };

    Window window = 0;
    Damage damage = 0;  // freed with the connection
    std::unique_ptr<Immagine> lettura;
    double mapMs = -1, drawnMs = -1;
    while (drawnMs < 0) {
        if (since(start) > 20000) {
            std::fprintf(stderr, "no drawn window within 20 s\n");
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "the program ended before showing \"%s\"\n", kTitle);
            return 1;
        }
        if (!XPending(display)) {
            pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
            poll(&descriptor, 1, 50);
            continue;
        }
        // Every event that has come, then one look at the pixels: the look costs time, and the
        // damage it judges is timed by the server, not by when it was read.
        bool daGuardare = false;
        double ultimoDanno = -1;
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (!window && event.type == MapNotify &&
                titleOf(display, event.xmap.window) == kTitle) {
                mapMs = since(start);
                window = event.xmap.window;
                damage = XDamageCreate(display, window, XDamageReportNonEmpty);
                lettura = std::make_unique<Immagine>(display, window);
                // Drawn already, before any damage could be reported?
                daGuardare = true;
                ultimoDanno = mapMs;
            } else if (window && event.type == damageEvent + XDamageNotify) {
                const auto* danno = reinterpret_cast<XDamageNotifyEvent*>(&event);
                XDamageSubtract(display, damage, None, None);
                daGuardare = true;
                ultimoDanno = std::max(ultimoDanno, quando(danno->timestamp));
            }
        }
        if (daGuardare && drawn(display, window, *lettura, drill))
            drawnMs = std::max(ultimoDanno, mapMs);
    }
    lettura.reset();
    if (drawnMs >= 0)
        std::printf("%.1f %.1f\n", mapMs, drawnMs);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return drawnMs >= 0 ? 0 : 1;
}
