// A stopwatch for a program's first painted frame on an X server: starts the
// program, polls the screen about every millisecond until a window of that
// process is mapped and shows the expected colours at the given points, prints
// the milliseconds from the start to that moment, and ends the program.
//
//   bench_first_frame [--timeout MS] [--linger MS] --pixel X,Y,RRGGBB... -- PROGRAM [ARG...]
//
// X and Y are relative to the window's top-left corner; negative values count
// from its right or bottom edge (-1 is the last column or row). --linger
// keeps the program running that long after the frame (for its peak memory).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct TPixelCheck {
    int X = 0;
    int Y = 0;
    unsigned long Rgb = 0;
};

struct TOptions {
    std::vector<TPixelCheck> Pixels;
    std::chrono::milliseconds Timeout{20000};
    std::chrono::milliseconds Linger{0};
    char** Command = nullptr;
};

[[noreturn]] void Fail(const std::string& message)
{
    std::fprintf(stderr, "bench_first_frame: %s\n", message.c_str());
    std::exit(2);
}

bool ParsePixel(const char* text, TPixelCheck& pixel)
{
    char colour[7] = {};
    int used = 0;
    if (std::sscanf(text, "%d,%d,%6[0-9a-fA-F]%n", &pixel.X, &pixel.Y, colour, &used) != 3 ||
        text[used] != '\0' || std::strlen(colour) != 6)
        return false;
    pixel.Rgb = std::strtoul(colour, nullptr, 16);
    return true;
}

TOptions ParseOptions(int argc, char** argv)
{
    TOptions options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            Fail("missing value after " + option);
        const char* value = argv[++i];
        if (option == "--pixel") {
            TPixelCheck pixel;
            if (!ParsePixel(value, pixel))
                Fail(std::string("bad pixel ") + value + ", expected X,Y,RRGGBB");
            options.Pixels.push_back(pixel);
        } else if (option == "--timeout") {
            options.Timeout = std::chrono::milliseconds(std::atoi(value));
        } else if (option == "--linger") {
            options.Linger = std::chrono::milliseconds(std::atoi(value));
        } else {
            Fail("unknown option " + option);
        }
    }
    if (i + 1 >= argc || options.Pixels.empty())
        Fail("usage: bench_first_frame [--timeout MS] [--linger MS] --pixel X,Y,RRGGBB... -- PROGRAM [ARG...]");
    options.Command = argv + i + 1;
    return options;
}

// Windows come and go while the program starts: a request on one that has
// just gone, or an image of one that is not viewable yet, is no error here.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

bool OwnedBy(Display* display, Window window, Atom pidAtom, pid_t pid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool read = XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                                         &after, &data) == Success;
    const bool owned = read && data && format == 32 && count == 1 &&
                       static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    if (data)
        XFree(data);
    return owned;
}

// A mapped top-level window of the process (there is no window manager, so
// top-level windows are children of the root), or None.
Window FindMappedWindow(Display* display, Atom pidAtom, pid_t pid)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = None;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return None;
    for (unsigned int i = 0; i < count && found == None; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            OwnedBy(display, children[i], pidAtom, pid))
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

// True when every checked point of the window shows its colour.
bool FrameShown(Display* display, Window window, const std::vector<TPixelCheck>& pixels)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    std::vector<std::pair<int, int>> points;
    for (const TPixelCheck& p : pixels) {
        const int x = p.X < 0 ? attributes.width + p.X : p.X;
        const int y = p.Y < 0 ? attributes.height + p.Y : p.Y;
        if (x < 0 || y < 0 || x >= attributes.width || y >= attributes.height)
            return false;
        points.emplace_back(x, y);
    }
    // One small image around all the points.
    int left = points[0].first, right = left, top = points[0].second, bottom = top;
    for (const auto& [x, y] : points) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    XImage* image = XGetImage(display, window, left, top, static_cast<unsigned>(right - left + 1),
                              static_cast<unsigned>(bottom - top + 1), AllPlanes, ZPixmap);
    if (!image)
        return false;
    bool shown = true;
    for (std::size_t i = 0; i < points.size() && shown; ++i)
        shown = (XGetPixel(image, points[i].first - left, points[i].second - top) & 0xffffff) == pixels[i].Rgb;
    XDestroyImage(image);
    return shown;
}

// SIGTERM, and SIGKILL when the program is still there after two seconds.
void EndProgram(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid)
        return;
    kill(pid, SIGTERM);
    const auto end = Clock::now() + std::chrono::seconds(2);
    while (Clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

} // namespace

int main(int argc, char** argv)
{
    const TOptions options = ParseOptions(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        Fail("cannot open the display");
    XSetErrorHandler(IgnoreXError);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const pid_t self = getpid();

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        Fail(std::strerror(errno));
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the stopwatch
        if (getppid() != self)
            _exit(127);
        close(ConnectionNumber(display));
        dup2(STDERR_FILENO, STDOUT_FILENO); // standard output carries only the result
        execvp(options.Command[0], options.Command);
        std::fprintf(stderr, "bench_first_frame: cannot start %s: %s\n", options.Command[0], std::strerror(errno));
        _exit(127);
    }

    Window window = None;
    bool shown = false;
    Clock::time_point frame;
    while (Clock::now() - start < options.Timeout) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            XCloseDisplay(display);
            Fail("the program ended before its first frame");
        }
        if (window == None)
            window = FindMappedWindow(display, pidAtom, pid);
        if (window != None && FrameShown(display, window, options.Pixels)) {
            frame = Clock::now();
            shown = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (shown)
        std::this_thread::sleep_for(options.Linger);
    EndProgram(pid);
    XCloseDisplay(display);
    if (!shown)
        Fail(window == None ? "no window of the program was mapped in time"
                            : "the expected colours did not appear in time");
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(frame - start).count());
    return 0;
}
