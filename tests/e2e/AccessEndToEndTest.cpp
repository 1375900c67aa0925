// Played by ear: the real window with its accessibility on, read and played
// over the desktop's accessibility bus (AT-SPI) as a screen reader would,
// from a private session bus (the test runs under dbus-run-session). A No
// Guessing game is won from the cells' names alone, with only their actions.
//
// AT-SPI's headers come first: Qt's "signals" keyword would break glib's.
#include <atspi/atspi.h>

#include "e2e/E2eSupport.h"
#include "field/NoGuessSolver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kAcross = 12;
constexpr int kDown = 9;
constexpr int kBombs = 22;

// An AT-SPI object reference, released when it goes.
struct TRef {
    AtspiAccessible* Object = nullptr;
    TRef() = default;
    explicit TRef(AtspiAccessible* object) : Object(object) {}
    TRef(TRef&& other) noexcept : Object(std::exchange(other.Object, nullptr)) {}
    TRef& operator=(TRef&& other) noexcept
    {
        std::swap(Object, other.Object);
        return *this;
    }
    ~TRef()
    {
        if (Object)
            g_object_unref(Object);
    }
    explicit operator bool() const { return Object != nullptr; }
};

std::string Take(gchar* text)
{
    std::string taken = text ? text : "";
    g_free(text);
    return taken;
}

std::string NameOf(AtspiAccessible* object) { return Take(atspi_accessible_get_name(object, nullptr)); }

// The first object below root (root included) of the role whose name is
// name (any name when empty).
TRef FindBelow(AtspiAccessible* root, AtspiRole role, const std::string& name = {})
{
    if (atspi_accessible_get_role(root, nullptr) == role && (name.empty() || NameOf(root) == name))
        return TRef(static_cast<AtspiAccessible*>(g_object_ref(root)));
    // A table's cells are not searched: the field alone has thousands.
    if (atspi_accessible_get_role(root, nullptr) == ATSPI_ROLE_TABLE)
        return {};
    const int children = atspi_accessible_get_child_count(root, nullptr);
    for (int i = 0; i < children; ++i) {
        TRef child(atspi_accessible_get_child_at_index(root, i, nullptr));
        if (!child)
            continue;
        if (TRef found = FindBelow(child.Object, role, name))
            return found;
    }
    return {};
}

TRef FindApplication(const std::string& name)
{
    TRef desktop(atspi_get_desktop(0));
    const int apps = atspi_accessible_get_child_count(desktop.Object, nullptr);
    for (int i = 0; i < apps; ++i) {
        TRef app(atspi_accessible_get_child_at_index(desktop.Object, i, nullptr));
        if (app && NameOf(app.Object) == name) {
            // Every read asks the program anew.
            atspi_accessible_set_cache_mask(app.Object, ATSPI_CACHE_NONE);
            return app;
        }
    }
    return {};
}

// The field as the client sees it: a table of named cells with actions.
class TFieldByEar {
public:
    explicit TFieldByEar(TRef table) : FTable(std::move(table)) {}

    int Rows() const { return atspi_table_get_n_rows(atspi_accessible_get_table_iface(FTable.Object), nullptr); }
    int Columns() const
    {
        return atspi_table_get_n_columns(atspi_accessible_get_table_iface(FTable.Object), nullptr);
    }
    TRef Cell(int col, int row) const
    {
        return TRef(atspi_table_get_accessible_at(atspi_accessible_get_table_iface(FTable.Object), row, col, nullptr));
    }
    std::string Name(int col, int row) const { return NameOf(Cell(col, row).Object); }
    std::string Description() const { return Take(atspi_accessible_get_description(FTable.Object, nullptr)); }
    // Runs the cell's action of that name ("Press" or "Toggle").
    bool Act(int col, int row, const std::string& action) const
    {
        const TRef cell = Cell(col, row);
        AtspiAction* actions = atspi_accessible_get_action_iface(cell.Object);
        if (!actions)
            return false;
        bool done = false;
        const int count = atspi_action_get_n_actions(actions, nullptr);
        for (int i = 0; i < count && !done; ++i)
            if (Take(atspi_action_get_action_name(actions, i, nullptr)) == action)
                done = atspi_action_do_action(actions, i, nullptr);
        g_object_unref(actions);
        return done;
    }

private:
    TRef FTable;
};

// What the player hears of the whole field, as the solver takes it: a
// number, a flag (a proven bomb: only proven bombs are flagged here) or a
// covered cell.
TPlayerView Listen(const TFieldByEar& field)
{
    TPlayerView view{kAcross, kDown, std::vector<int>(kAcross * kDown, TPlayerView::kCovered), kBombs};
    for (int i = 0; i < kAcross * kDown; ++i) {
        const std::string name = field.Name(i % kAcross, i / kAcross);
        if (name == "flagged") {
            view.Cells[i] = TPlayerView::kKnownBomb;
            --view.BombsLeft;
        } else if (name == "empty") {
            view.Cells[i] = 0;
        } else if (name.size() == 1 && name[0] >= '1' && name[0] <= '8') {
            view.Cells[i] = name[0] - '0';
        }
    }
    return view;
}

TEST(AccessEndToEnd, ANoGuessGameIsWonByEar)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) << "run under dbus-run-session";
    // The private session bus starts the accessibility bus and its registry
    // (at-spi-bus-launcher, at-spi2-registryd) when the client first asks
    // for them, and ends them with the session.
    ASSERT_EQ(atspi_init(), 0);
    const struct TClient {
        ~TClient() { atspi_exit(); }
    } client;

    TXServer x;
    ASSERT_TRUE(x.Running());
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    TGame game(x, {.Settings = "[settings]\nslotsDown=9\nslotsAcross=12\nbombTotal=22\nnoGuess=1\n"
                               "background=backgroundNone\nautoSaveSessionStats=1\n"});
    ASSERT_TRUE(game.Started());

    TRef app;
    TRef table;
    ASSERT_TRUE(WaitFor([&] {
        app = FindApplication("Dravolt");
        table = app ? FindBelow(app.Object, ATSPI_ROLE_TABLE) : TRef();
        return bool(table);
    })) << "the field is found on the accessibility bus";
    const TFieldByEar field(std::move(table));
    ASSERT_EQ(field.Rows(), kDown);
    ASSERT_EQ(field.Columns(), kAcross);
    EXPECT_EQ(field.Name(0, 0), "covered");

    // Each action is done once its cell no longer reads as it did.
    const auto act = [&](int i, const std::string& action, const std::string& before) {
        const int col = i % kAcross;
        const int row = i / kAcross;
        ASSERT_TRUE(field.Act(col, row, action)) << action << " on cell " << i;
        ASSERT_TRUE(WaitFor([&] { return field.Name(col, row) != before; })) << action << " on cell " << i;
    };
    act(6 + 4 * kAcross, "Press", "covered"); // the first uncovering: no bomb there or around

    for (;;) {
        const TPlayerView view = Listen(field);
        if (!field.Description().empty())
            break;
        const TDeduction deduction = Deduce(view);
        bool progress = false;
        for (int i = 0; i < kAcross * kDown; ++i) {
            if (view.Cells[i] != TPlayerView::kCovered)
                continue;
            // A flood may have opened the cell since the view was heard.
            const std::string now = field.Name(i % kAcross, i / kAcross);
            if (now != "covered" || !field.Description().empty())
                continue;
            if (deduction.Facts[i] == TCellFact::Bomb) {
                act(i, "Toggle", now);
                progress = true;
            } else if (deduction.Facts[i] == TCellFact::Safe) {
                act(i, "Press", now);
                progress = true;
            }
        }
        ASSERT_TRUE(progress) << "logic got stuck";
    }
    // The game's end tells the time that the clock holds as its value.
    const TRef clock = FindBelow(app.Object, ATSPI_ROLE_LABEL, "Time");
    ASSERT_TRUE(clock);
    AtspiValue* value = atspi_accessible_get_value_iface(clock.Object);
    ASSERT_TRUE(value);
    const int seconds = static_cast<int>(atspi_value_get_current_value(value, nullptr));
    g_object_unref(value);
    EXPECT_EQ(field.Description(), "Won in " + std::to_string(seconds) + " seconds");

    // The best-time prompt is read out with its field's name.
    EXPECT_TRUE(WaitFor([&] { return bool(FindBelow(app.Object, ATSPI_ROLE_TEXT, "Name")); }));
    ASSERT_TRUE(game.AnswerNamePrompt("Ann"));
    game.ExitThroughTheMenu();
    ASSERT_TRUE(game.WaitForExit());
    EXPECT_TRUE(game.ReadFile("Dravolt.ini").contains("[noGuessNames]\n[0]=Ann\n"));
}

} // namespace
