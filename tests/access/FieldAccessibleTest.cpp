// The field as a table of named cells, its actions and what it tells, read
// through Qt's accessibility as the desktop's bridge reads it.
#include "access/Accessibility.h"
#include "panels/PanelTestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

struct TToldEvent {
    QAccessible::Event Type;
    QString Name;  // the cell's name, or the table's description
    QString Place; // the cell's place, or the value of a number display
    friend bool operator==(const TToldEvent&, const TToldEvent&) = default;
    friend void PrintTo(const TToldEvent& e, std::ostream* out)
    {
        *out << e.Type << " '" << e.Name.toStdString() << "' '" << e.Place.toStdString() << "'";
    }
};

// What a screen reader's arrival does: the platform's accessibility turns on.
void SetActive(bool on) { QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on); }

std::vector<TToldEvent>& Told()
{
    static std::vector<TToldEvent> told;
    return told;
}

void Record(QAccessibleEvent* event)
{
    QAccessibleInterface* target = event->accessibleInterface();
    switch (event->type()) {
    case QAccessible::NameChanged:
    case QAccessible::Focus:
        Told().push_back({event->type(), target->text(QAccessible::Name), target->text(QAccessible::Description)});
        break;
    case QAccessible::DescriptionChanged:
        Told().push_back({event->type(), target->text(QAccessible::Description), {}});
        break;
    case QAccessible::ValueChanged:
        Told().push_back({event->type(), target->text(QAccessible::Name),
                          static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()});
        break;
    case QAccessible::TableModelChanged:
        Told().push_back({event->type(), {}, {}});
        break;
    default: break; // what Qt tells of the widgets themselves
    }
}

template <typename Panel>
struct AccessFixture : PanelFixture<Panel> {
    QLabel counter;
    QLabel clock{"0097"};
    QAccessibleInterface* table = nullptr;

    AccessFixture()
    {
        InstallAccessibility(&counter, &clock);
        SetActive(true);
        QAccessible::installUpdateHandler(Record);
        this->panel->resize(200, 100);
        this->panel->show();
    }
    ~AccessFixture() override
    {
        QAccessible::installUpdateHandler(nullptr);
        SetActive(false);
        Told().clear();
    }
    // Lays the field out, then starts listening as a screen reader would.
    void Read(const std::vector<std::string>& rows)
    {
        this->Layout(rows);
        table = QAccessible::queryAccessibleInterface(this->panel.get());
        Settle();
        Told().clear();
    }
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    QAccessibleInterface* At(int col, int row) const { return table->tableInterface()->cellAt(row, col); }
    QString Name(int col, int row) const { return At(col, row)->text(QAccessible::Name); }
    void Do(int col, int row, const QString& action)
    {
        At(col, row)->actionInterface()->doAction(action);
        Settle();
    }
};

// (1,1) is a "2" between the bombs (0,0) and (2,0); the right part floods.
const std::vector<std::string> kTwoBombs = {"*.*.............", "................", "................"};

using AccessTest = AccessFixture<TPanelMineField>;

TEST_F(AccessTest, TheFieldIsATableOfItsRowsAndColumns)
{
    Read(kTwoBombs);
    ASSERT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->tableInterface()->rowCount(), 3);
    EXPECT_EQ(table->tableInterface()->columnCount(), 16);
    EXPECT_EQ(table->childCount(), 48);
    QAccessibleInterface* cell = At(5, 2);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Description), "row 3, column 6");
    EXPECT_EQ(table->indexOfChild(cell), 2 * 16 + 5);
    EXPECT_EQ(table->child(2 * 16 + 5), cell);
    EXPECT_EQ(cell->actionInterface()->actionNames(),
              QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction()}));
}

TEST_F(AccessTest, ACellIsNamedForWhatItShows)
{
    Read(kTwoBombs);
    const struct {
        int Col, Row;
        bool Shown;
        const char* Marker;
        const char* FaceText; // empty: the cell's own content
        const char* Name;
    } cases[] = {
        {3, 0, false, "", "", "covered"},   {3, 0, false, "Flag", "", "flagged"}, {3, 0, false, "?", "", "?"},
        {0, 0, false, "", "", "covered"},   {5, 2, true, "", "", "empty"},        {1, 0, true, "", "", "2"},
        {1, 0, true, "?", "", "2"},         {0, 0, true, "", "", "bomb"},         {4, 1, true, "Flag", "X", "wrong flag"},
    };
    for (const auto& c : cases) {
        TSlot& slot = panel->Cell(c.Col, c.Row);
        slot.Shown = c.Shown;
        slot.Marker = c.Marker;
        slot.FaceText = *c.FaceText ? std::string_view(c.FaceText) : std::string_view(slot.Content);
        EXPECT_EQ(Name(c.Col, c.Row), c.Name) << c.Col << "," << c.Row;
    }
    // Every number reads as itself.
    panel->Cell(6, 2).Shown = true;
    for (int n = 1; n <= 8; ++n) {
        panel->Cell(6, 2).Content = panel->Cell(6, 2).FaceText = std::to_string(n);
        EXPECT_EQ(Name(6, 2), QString::number(n));
    }
    // A flag is a flag whatever it looks like.
    panel->SetPreferredMarker("@");
    panel->Cell(7, 2).Marker = "@";
    EXPECT_EQ(Name(7, 2), "flagged");
}

TEST_F(AccessTest, AClickTellsTheCellAndTheFocusAFloodTellsTheTableOnce)
{
    host.KeyboardNavigation = true;
    Read(kTwoBombs);
    Do(1, 1, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Told(), (std::vector<TToldEvent>{{QAccessible::NameChanged, "2", "row 2, column 2"},
                                               {QAccessible::Focus, "2", "row 2, column 2"}}));
    Told().clear();
    Do(6, 2, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Told(), (std::vector<TToldEvent>{{QAccessible::TableModelChanged, {}, {}},
                                               {QAccessible::Focus, "empty", "row 3, column 7"}}));
    Told().clear();
    panel->HandleNavigationKey(Qt::Key_Up, true);
    Settle();
    EXPECT_EQ(Told(), (std::vector<TToldEvent>{{QAccessible::Focus, "empty", "row 2, column 7"}}));
}

TEST_F(AccessTest, TheCounterAndTheClockTellTheirNumbers)
{
    SetDisplayedNumber(&counter, "7");
    SetDisplayedNumber(&clock, "0098");
    SetDisplayedNumber(&clock, "0098"); // no change, nothing told
    EXPECT_EQ(Told(), (std::vector<TToldEvent>{{QAccessible::ValueChanged, "Bombs left", "7"},
                                               {QAccessible::ValueChanged, "Time", "98"}}));
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&clock);
    EXPECT_EQ(shown->valueInterface()->currentValue(), 98);
    EXPECT_EQ(shown->text(QAccessible::Value), "98");
}

TEST_F(AccessTest, TheEndOfAGameIsToldOnce)
{
    const std::vector<std::string> small = {"*..", "...", "..."};
    for (const bool win : {true, false}) {
        Read(small);
        if (win) {
            Do(2, 2, QAccessibleActionInterface::pressAction());
        } else {
            Do(1, 0, QAccessibleActionInterface::toggleAction()); // a wrong flag
            Told().clear();
            Do(0, 0, QAccessibleActionInterface::pressAction());
        }
        const QString ending = win ? "Won in 97 seconds" : "Lost";
        EXPECT_EQ(table->text(QAccessible::Description), ending);
        EXPECT_EQ(std::count(Told().begin(), Told().end(), TToldEvent{QAccessible::DescriptionChanged, ending, {}}),
                  1);
        if (!win) {
            EXPECT_EQ(Name(1, 0), "wrong flag");
        }
        Told().clear();
        Do(1, 1, QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(Told().empty()) << "a game over takes no actions";
    }
}

// Both actions on covered and uncovered cells, on both panels, which click
// each in their own way.
template <typename Panel>
struct AccessActionTest : AccessFixture<Panel> {};
using Panels = ::testing::Types<TPanelMineField, TPanelMineFieldAnimatedButtons>;
TYPED_TEST_SUITE(AccessActionTest, Panels);

TYPED_TEST(AccessActionTest, PressUncoversOrChordsToggleFlags)
{
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    this->host.Undecided = true;
    this->Read(kTwoBombs);
    this->Do(3, 0, toggle);
    EXPECT_EQ(this->Name(3, 0), "flagged");
    EXPECT_EQ(this->host.Counter, "1");
    this->Do(3, 0, press);
    EXPECT_EQ(this->Name(3, 0), "flagged") << "a flag is not uncovered";
    this->Do(3, 0, toggle);
    // The plain panel's right click takes the flag away; the animated one's
    // goes on to "?" when the file asks for it.
    const bool animated = std::is_same_v<TypeParam, TPanelMineFieldAnimatedButtons>;
    EXPECT_EQ(this->Name(3, 0), animated ? "?" : "covered");
    this->Do(1, 1, press);
    EXPECT_EQ(this->Name(1, 1), "2");
    this->Do(1, 1, toggle);
    EXPECT_EQ(this->Name(1, 1), "2") << "an open cell takes no flag";
    this->Do(0, 0, toggle);
    this->Do(2, 0, toggle);
    this->Do(1, 1, press); // the chord around the "2"
    EXPECT_EQ(this->Name(0, 1), "1");
    EXPECT_EQ(this->Name(1, 2), "empty") << "the chord's flood goes on";
    EXPECT_EQ(this->Name(0, 0), "flagged");
}

} // namespace
