#include "e2e/E2eSupport.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <algorithm>
#include <thread>

#include <unistd.h>

namespace {

constexpr const char* kFakeTimeLibrary = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";

} // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

TXServer::TXServer(TWindowManager manager)
{
    // -displayfd makes the server pick a free display and tell its number.
    int pipe[2];
    if (::pipe(pipe) != 0)
        return;
    FServer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FServer.setChildProcessModifier([pipe] { ::close(pipe[0]); });
    FServer.start("Xvfb", {"-displayfd", QString::number(pipe[1]), "-screen", "0", "2048x1536x24", "-nolisten",
                           "tcp", "-noreset"});
    ::close(pipe[1]);
    if (!FServer.waitForStarted(10000)) {
        ::close(pipe[0]);
        return;
    }
    std::string number;
    char c = 0;
    while (::read(pipe[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(pipe[0]);
    if (!number.empty())
        FDisplay = ":" + QString::fromStdString(number);
    if (manager == TWindowManager::None || FDisplay.isEmpty())
        return;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", FDisplay);
    FWindowManager.setProcessEnvironment(env);
    FWindowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FWindowManager.start("evilwm", {"--bw", "4", "--fn", "fixed"});
    // Running once it has announced itself on the root window.
    if (!FWindowManager.waitForStarted(10000) ||
        !WaitFor([this] { return Run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }))
        FDisplay.clear();
}

TXServer::~TXServer()
{
    if (FWindowManager.state() != QProcess::NotRunning) {
        FWindowManager.terminate();
        FWindowManager.waitForFinished(5000);
    }
    FServer.terminate();
    if (!FServer.waitForFinished(5000)) {
        FServer.kill();
        FServer.waitForFinished(5000);
    }
}

QString TXServer::Run(const QString& program, const QStringList& arguments, int timeoutMs) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", FDisplay);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QImage TXServer::Screenshot() const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", FDisplay);
    process.setProcessEnvironment(env);
    process.start("import", {"-window", "root", "png:-"});
    if (!process.waitForFinished(20000))
        return {};
    QImage image;
    image.loadFromData(process.readAllStandardOutput(), "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
}

TGame::TGame(const TXServer& x, const TOptions& options)
    : FX(x), FFolderPath(options.Folder.isEmpty() ? FFolder.path() : options.Folder), FScale(options.ScaleFactor)
{
    if (!options.Settings.isEmpty()) {
        QFile file(FFolderPath + "/Dravolt.ini");
        if (file.open(QIODevice::WriteOnly))
            file.write(options.Settings.toUtf8());
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", x.Display());
    env.remove("QT_QPA_PLATFORM");
    env.insert("TZ", "UTC");
    if (FScale != 1)
        env.insert("QT_SCALE_FACTOR", QString::number(FScale));
    if (!options.Lang.isEmpty()) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(name);
        env.insert("LANG", options.Lang);
    }
    env.insert("LSAN_OPTIONS", "suppressions=" DRAVOLT_LSAN_SUPPRESSIONS ":print_suppressions=0");
    if (!options.FakeTime.isEmpty()) {
        // A frozen wall clock deals a known layout; Qt's timers run on the
        // real monotonic clock.
        env.insert("LD_PRELOAD", kFakeTimeLibrary);
        env.insert("FAKETIME", options.FakeTime);
        if (!options.FakeTimers)
            env.insert("DONT_FAKE_MONOTONIC", "1");
        // A sanitized build would refuse to start behind the preloaded library.
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    }
    QString program = DRAVOLT_PROGRAM;
    QString folder = FFolderPath;
    if (!options.Home.isEmpty()) {
        program = DRAVOLT_LAUNCHER;
        folder = options.Home;
        env.insert("HOME", options.Home);
        if (options.DataHome.isEmpty())
            env.remove("XDG_DATA_HOME");
        else
            env.insert("XDG_DATA_HOME", options.DataHome);
    }
    FProcess.setProcessEnvironment(env);
    FProcess.setWorkingDirectory(folder);
    FProcess.setProcessChannelMode(QProcess::ForwardedChannels);
    // The launcher replaces itself with the game, which keeps its process.
    FProcess.start(program, {});
    if (!FProcess.waitForStarted(10000))
        return;
    WaitFor([this] {
        const QStringList ids =
            FX.Run("xdotool", {"search", "--all", "--onlyvisible", "--pid", QString::number(FProcess.processId()), "--name",
                               "^Dravolt$"})
                .split('\n', Qt::SkipEmptyParts);
        if (!ids.isEmpty())
            FWindow = ids.first().toULong();
        return FWindow != 0;
    });
    // There is no window manager to give the window the keyboard.
    if (FWindow != 0)
        Focus();
}

TGame::~TGame()
{
    if (FProcess.state() != QProcess::NotRunning) {
        FProcess.kill();
        FProcess.waitForFinished(5000);
    }
}

QString TGame::ReadFile(const QString& name) const
{
    QFile file(FFolderPath + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QRect TGame::WindowGeometry(unsigned long window) const
{
    const QStringList lines =
        FX.Run("xdotool", {"getwindowgeometry", "--shell", QString::number(window)}).split('\n', Qt::SkipEmptyParts);
    QRect rect;
    for (const QString& line : lines) {
        const QString value = line.section('=', 1);
        if (line.startsWith("X="))
            rect.moveLeft(value.toInt());
        else if (line.startsWith("Y="))
            rect.moveTop(value.toInt());
        else if (line.startsWith("WIDTH="))
            rect.setWidth(value.toInt());
        else if (line.startsWith("HEIGHT="))
            rect.setHeight(value.toInt());
    }
    return rect;
}

QMargins TGame::FrameExtents(unsigned long window) const
{
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const QStringList values =
        FX.Run("xprop", {"-id", QString::number(window), "_NET_FRAME_EXTENTS"}).section('=', 1).split(',');
    if (values.size() != 4)
        return {};
    return {values[0].trimmed().toInt(), values[2].trimmed().toInt(), values[1].trimmed().toInt(),
            values[3].trimmed().toInt()};
}

QRect TGame::Geometry() const { return WindowGeometry(FWindow); }

QString TGame::WindowName(unsigned long window) const
{
    return FX.Run("xdotool", {"getwindowname", QString::number(window)}).trimmed();
}

unsigned long TGame::OtherWindow() const
{
    const QStringList ids =
        FX.Run("xdotool", {"search", "--all", "--onlyvisible", "--pid", QString::number(FProcess.processId()), "--name", "."})
            .split('\n', Qt::SkipEmptyParts);
    for (const QString& id : ids)
        if (id.toULong() != FWindow && WindowGeometry(id.toULong()).width() > 20)
            return id.toULong();
    return 0;
}

QPoint TGame::CellOnScreen(int col, int row, int rows) const
{
    const QRect window = Geometry();
    return {window.left() + Device(8 + 3 + 16 * col), window.top() + MenuHeight(rows) + Device(51 + 3 + 16 * row)};
}

QPoint TGame::CounterOnScreen(int rows) const
{
    const QRect window = Geometry();
    return {window.left() + Device(8 + 7 + 1), window.top() + MenuHeight(rows) + Device(8 + 7 + 1)};
}

QPoint TGame::ClockOnScreen(int rows) const
{
    const QRect window = Geometry();
    return {window.right() - Device(8 + 7 + 57 - 2), window.top() + MenuHeight(rows) + Device(8 + 7 + 1)};
}

QPoint TGame::GoOnScreen(int rows) const
{
    const QRect window = Geometry();
    return {window.left() + window.width() / 2, window.top() + MenuHeight(rows) + Device(8 + 7 + 12)};
}

void TGame::MoveWindow(QPoint screen) const
{
    FX.Run("xdotool", {"windowmove", "--sync", QString::number(FWindow), QString::number(screen.x()),
                       QString::number(screen.y())});
}

void TGame::MoveTo(QPoint screen) const
{
    FX.Run("xdotool", {"mousemove", QString::number(screen.x()), QString::number(screen.y())});
}

void TGame::Click(QPoint screen, int button) const
{
    MoveTo(screen);
    FX.Run("xdotool", {"click", QString::number(button)});
}

void TGame::Press(QPoint screen, int button) const
{
    MoveTo(screen);
    FX.Run("xdotool", {"mousedown", QString::number(button)});
}

void TGame::Release(int button) const { FX.Run("xdotool", {"mouseup", QString::number(button)}); }

void TGame::Key(const QString& keys) const
{
    FX.Run("xdotool", QStringList{"key", "--delay", "30"} + keys.split(' ', Qt::SkipEmptyParts));
}

void TGame::Focus() const { FX.Run("xdotool", {"windowfocus", "--sync", QString::number(FWindow)}); }

void TGame::KeyDown(const QString& key) const { FX.Run("xdotool", {"keydown", key}); }

void TGame::KeyUp(const QString& key) const { FX.Run("xdotool", {"keyup", key}); }

bool TGame::AnswerNamePrompt(const QString& name) const
{
    unsigned long prompt = 0;
    if (!WaitFor([&] { return (prompt = OtherWindow()) != 0; }))
        return false;
    FX.Run("xdotool", {"windowfocus", "--sync", QString::number(prompt)});
    FX.Run("xdotool", {"type", "--delay", "30", name});
    Key("Return");
    const bool closed = WaitFor([&] { return OtherWindow() == 0; });
    Focus();
    return closed;
}

void TGame::ExitThroughTheMenu(const QString& exitKey) const
{
    Click(GameMenuOnScreen());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Key(exitKey);
}

bool TGame::WaitForPixel(QPoint screen, const QColor& colour, std::chrono::milliseconds timeout) const
{
    return WaitFor([&] { return Pixel(screen) == colour; }, timeout);
}

bool TGame::WaitForExit(std::chrono::milliseconds timeout)
{
    return FProcess.waitForFinished(static_cast<int>(timeout.count()));
}

void SaveShot(const QImage& image, const QString& name)
{
    const QString folder = qEnvironmentVariable("DRAVOLT_E2E_SHOTS");
    if (!folder.isEmpty())
        image.save(folder + "/" + name + ".png");
}

std::vector<int> ExpectedBombs(std::uint32_t seed, int across, int down, int bombs, bool cornerToCorner)
{
    const int n = across * down;
    if (cornerToCorner)
        bombs = std::min(bombs, n - 2);
    std::vector<int> candidates(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        candidates[static_cast<std::size_t>(i)] = i;
    std::vector<int> result;
    for (int count = std::min(n, bombs); count > 0;) {
        seed = seed * 134775813u + 1u;
        const auto k = static_cast<std::size_t>((static_cast<std::uint64_t>(seed) * candidates.size()) >> 32);
        if (cornerToCorner && (candidates[k] == 0 || candidates[k] == n - 1))
            continue; // a corner: drawn again
        result.push_back(candidates[k]);
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(k));
        --count;
    }
    std::sort(result.begin(), result.end());
    return result;
}

TKnownField::TKnownField(std::uint32_t seed, int across, int down, int bombs, bool cornerToCorner)
    : TKnownField(across, down, ExpectedBombs(seed, across, down, bombs, cornerToCorner))
{
}

TKnownField::TKnownField(int across, int down, const std::vector<int>& bombs)
    : FAcross(across), FDown(down), FBomb(static_cast<std::size_t>(across * down)),
      FNumber(static_cast<std::size_t>(across * down)), FOpen(FBomb.size()), FFlag(FBomb.size())
{
    for (int i : bombs)
        FBomb[static_cast<std::size_t>(i)] = true;
    for (int row = 0; row < down; ++row)
        for (int col = 0; col < across; ++col)
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc)
                    if ((dc || dr) && Inside(col + dc, row + dr) && Bomb(col + dc, row + dr))
                        ++FNumber[Index(col, row)];
}

bool TKnownField::Won() const
{
    for (std::size_t i = 0; i < FBomb.size(); ++i)
        if (!FBomb[i] && !FOpen[i])
            return false;
    return true;
}

void TKnownField::Uncover(int col, int row)
{
    std::vector<QPoint> todo{{col, row}};
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        const std::size_t i = Index(p.x(), p.y());
        if (FOpen[i] || FFlag[i] || FBomb[i])
            continue;
        FOpen[i] = true;
        if (FNumber[i] != 0)
            continue;
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
                if (Inside(p.x() + dc, p.y() + dr))
                    todo.emplace_back(p.x() + dc, p.y() + dr);
    }
}

void TKnownField::Chord(int col, int row)
{
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc)
            if ((dc || dr) && Inside(col + dc, row + dr))
                Uncover(col + dc, row + dr);
}

QPoint TKnownField::NextSafeCovered() const
{
    for (int row = 0; row < FDown; ++row)
        for (int col = 0; col < FAcross; ++col)
            if (!Bomb(col, row) && !Open(col, row))
                return {col, row};
    return {-1, -1};
}

QPoint TKnownField::ChordCandidate() const
{
    for (int row = 0; row < FDown; ++row)
        for (int col = 0; col < FAcross; ++col) {
            if (!Open(col, row) || Number(col, row) == 0)
                continue;
            bool allFlagged = true;
            bool coveredSafe = false;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dc = -1; dc <= 1; ++dc) {
                    const int c = col + dc;
                    const int r = row + dr;
                    if ((!dc && !dr) || !Inside(c, r))
                        continue;
                    if (Bomb(c, r) && !Flagged(c, r))
                        allFlagged = false;
                    if (!Bomb(c, r) && !Open(c, r))
                        coveredSafe = true;
                }
            if (allFlagged && coveredSafe)
                return {col, row};
        }
    return {-1, -1};
}

std::vector<QPoint> TKnownField::SafePath(QPoint from, QPoint to) const
{
    // Breadth first over the eight neighbours, remembering where each cell was
    // reached from.
    std::vector<int> cameFrom(FBomb.size(), -1);
    std::vector<QPoint> todo{from};
    cameFrom[Index(from.x(), from.y())] = static_cast<int>(Index(from.x(), from.y()));
    for (std::size_t next = 0; next < todo.size(); ++next) {
        const QPoint p = todo[next];
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int c = p.x() + dc;
                const int r = p.y() + dr;
                if (!Inside(c, r) || Bomb(c, r) || cameFrom[Index(c, r)] != -1)
                    continue;
                cameFrom[Index(c, r)] = static_cast<int>(Index(p.x(), p.y()));
                todo.emplace_back(c, r);
            }
    }
    if (cameFrom[Index(to.x(), to.y())] == -1)
        return {};
    std::vector<QPoint> path{to};
    while (path.back() != from) {
        const int i = cameFrom[Index(path.back().x(), path.back().y())];
        path.emplace_back(i % FAcross, i / FAcross);
    }
    std::reverse(path.begin(), path.end());
    return path;
}
