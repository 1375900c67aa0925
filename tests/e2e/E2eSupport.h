// The built program in a real window: a private X server (Xvfb), the game
// started in a fresh temporary folder, xdotool for the mouse and the keys, and
// screenshots read back pixel by pixel. Every process started here is ended
// by the destructors.
#pragma once

#include <QImage>
#include <QMargins>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

// A virtual X server on the first free display. Without a window manager the
// windows have no frames; a framing one puts a 4-pixel border around each.
class TXServer {
public:
    enum class TWindowManager { None, Framing };

    explicit TXServer(TWindowManager manager = TWindowManager::None);
    ~TXServer();
    bool Running() const { return !FDisplay.isEmpty(); }
    const QString& Display() const { return FDisplay; }

    // Runs a command against this display and returns its standard output.
    QString Run(const QString& program, const QStringList& arguments, int timeoutMs = 10000) const;
    QImage Screenshot() const;

private:
    QProcess FServer;
    QProcess FWindowManager;
    QString FDisplay;
};

// Waits up to timeout for the condition, checking it every 20 ms.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The game, started in its own temporary working folder, or through the
// launcher.
class TGame {
public:
    struct TOptions {
        QString Settings = {}; // the initial Dravolt.ini, if any
        QString FakeTime = {}; // a frozen wall clock for libfaketime, e.g. "2026-12-08 12:00:00"
        QString Folder = {};   // a working folder shared with other games; empty: a fresh one
        bool FakeTimers = false; // the timers follow FakeTime too (a clock sped up with "+0 x2000")
        // When set, the game is started as the desktop's menu starts it:
        // through the launcher, with this folder as HOME and as the working
        // folder, and DataHome as XDG_DATA_HOME (unset when empty).
        QString Home = {};
        QString DataHome = {};
        int ScaleFactor = 1; // QT_SCALE_FACTOR: device pixels to a logical one
        // The desktop's locale, as LANG (LANGUAGE, LC_ALL and LC_MESSAGES
        // unset); empty: the environment's.
        QString Lang = {};
    };

    TGame(const TXServer& x, const TOptions& options);
    ~TGame();

    bool Started() const { return FWindow != 0; }
    QString Folder() const { return FFolderPath; }
    QString ReadFile(const QString& name) const;

    // The main window: its position and size on screen, and the height of the
    // menu bar above the client area. Screen positions are device pixels: the
    // logical ones times the scale factor.
    QRect Geometry() const;
    int MenuHeight(int rows) const { return Geometry().height() - Device(16 * rows + 65); }
    // The "Game" menu's item, on the menu bar's first row.
    QPoint GameMenuOnScreen() const { return Geometry().topLeft() + QPoint(Device(20), Device(9)); }
    int Device(int logical) const { return logical * FScale; }
    // The top-left pixel of a cell on screen.
    QPoint CellOnScreen(int col, int row, int rows) const;
    QPoint CounterOnScreen(int rows) const;
    QPoint ClockOnScreen(int rows) const;
    QPoint GoOnScreen(int rows) const;

    // Puts the main window's top-left corner there (games in one display
    // would otherwise cover each other).
    void MoveWindow(QPoint screen) const;
    void MoveTo(QPoint screen) const;
    void Click(QPoint screen, int button = 1) const;
    void Press(QPoint screen, int button) const;
    void Release(int button) const;
    void Key(const QString& keys) const; // e.g. "s", "alt+g", "Right Right Down"
    // Gives the main window the keyboard again (there is no window manager
    // to do it when a dialog closes).
    void Focus() const;
    void KeyDown(const QString& key) const;
    void KeyUp(const QString& key) const;
    // Types the name into the name prompt that is opening and confirms it.
    bool AnswerNamePrompt(const QString& name) const;
    // Game > Exit, or the item of the Game menu with that accelerator.
    void ExitThroughTheMenu(const QString& exitKey = "x") const;

    QImage Shot() const { return FX.Screenshot(); }
    QColor Pixel(QPoint screen) const { return Shot().pixelColor(screen); }
    bool WaitForPixel(QPoint screen, const QColor& colour,
                      std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // Waits for the program to end by itself; false when it is still running.
    bool WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    int ExitCode() const { return FProcess.exitCode(); }
    // Any other top-level window of the program (a dialog), or 0.
    unsigned long OtherWindow() const;
    QString WindowName(unsigned long window) const;
    QRect WindowGeometry(unsigned long window) const;
    // The frame that the window manager put around a window, as it states it.
    QMargins FrameExtents(unsigned long window) const;

private:
    const TXServer& FX;
    QTemporaryDir FFolder;
    QString FFolderPath;
    QProcess FProcess;
    unsigned long FWindow = 0;
    int FScale = 1;
};

// Keeps a screenshot for a person to look at, when DRAVOLT_E2E_SHOTS names a
// folder; tests never depend on it.
void SaveShot(const QImage& image, const QString& name);

// The bombs a field of the given size deals from the seed, computed here from
// the generator's definition, independently of the program: linear indices.
// In corner-to-corner mode the two corners stay free.
std::vector<int> ExpectedBombs(std::uint32_t seed, int across, int down, int bombs, bool cornerToCorner = false);

// The field the frozen clock deals, worked out in the test: which cells hold
// bombs, their numbers, and what a click or a dual click opens, so that a
// test can play a game to its end without reading the screen first.
class TKnownField {
public:
    TKnownField(std::uint32_t seed, int across, int down, int bombs, bool cornerToCorner = false);
    // A field whose bombs are known otherwise: linear indices.
    TKnownField(int across, int down, const std::vector<int>& bombs);

    int Across() const { return FAcross; }
    int Down() const { return FDown; }
    bool Bomb(int col, int row) const { return FBomb[Index(col, row)]; }
    int Number(int col, int row) const { return FNumber[Index(col, row)]; }
    bool Open(int col, int row) const { return FOpen[Index(col, row)]; }
    bool Flagged(int col, int row) const { return FFlag[Index(col, row)]; }
    bool Won() const;

    // What the game does, so that the model follows it.
    void Uncover(int col, int row);
    void ToggleFlag(int col, int row) { FFlag[Index(col, row)] = !FFlag[Index(col, row)]; }
    void Chord(int col, int row);

    // The first covered safe cell in reading order, or (-1, -1).
    QPoint NextSafeCovered() const;
    // An open number whose bombs are all flagged and which still has covered
    // safe neighbours: a dual click there opens them. (-1, -1) when none.
    QPoint ChordCandidate() const;
    // A shortest way over safe cells, each touching the one before, from one
    // cell to another, both included; empty when bombs cut it off.
    std::vector<QPoint> SafePath(QPoint from, QPoint to) const;

private:
    std::size_t Index(int col, int row) const { return static_cast<std::size_t>(col + row * FAcross); }
    bool Inside(int col, int row) const { return col >= 0 && col < FAcross && row >= 0 && row < FDown; }

    int FAcross;
    int FDown;
    std::vector<bool> FBomb;
    std::vector<int> FNumber;
    std::vector<bool> FOpen;
    std::vector<bool> FFlag;
};
