// The yardstick of the start-up measurement: the smallest Qt Widgets program
// with what the game's window has at least, a main window with a menu bar
// and one painted area, here of the size given on the command line.
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

#include <cstdlib>

namespace {

// The colour the first-frame stopwatch waits for.
constexpr QRgb kFill = 0x3a6ea5;

class TFilledArea final : public QWidget {
public:
    TFilledArea(int width, int height)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(width, height);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(kFill)); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 182;
    const int height = argc > 2 ? std::atoi(argv[2]) : 225;
    QMainWindow window;
    window.setWindowTitle("Minimal");
    window.menuBar()->addMenu("&Game")->addAction("E&xit", &app, &QApplication::quit);
    window.setCentralWidget(new TFilledArea(width, height));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize); // as narrow as the area, like the game
    window.show();
    return app.exec();
}
