#include "history/ReplayWindow.h"

#include "panels/PanelMineField.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kFrameMs = 16;
constexpr int kSpeeds[] = {1, 2, 4};

} // namespace

TReplayWindow::TReplayWindow(TReplayGame game, QWidget* parent) : QDialog(parent), FGame(std::move(game))
{
    setWindowTitle(tr("Replay"));
    setAccessibleName(tr("Replay"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    lblCounter = new QLabel(this);
    lblCounter->setObjectName("lblCounter");
    lblCounter->setAccessibleName(tr("Bombs left"));
    lblClock = new QLabel(this);
    lblClock->setObjectName("lblClock");
    lblClock->setAccessibleName(tr("Replay time"));
    top->addWidget(lblCounter);
    top->addStretch();
    top->addWidget(lblClock);
    layout->addLayout(top);

    pnlField = new TPanelMineField(*this, this);
    pnlField->setObjectName("pnlField");
    pnlField->setAccessibleName(tr("Replayed field"));
    // Watching is all: the player's clicks do not reach the replay.
    pnlField->setAttribute(Qt::WA_TransparentForMouseEvents);
    DealReplay(*pnlField, FGame);
    pnlField->setFixedSize(pnlField->sizeHint());
    layout->addWidget(pnlField, 0, Qt::AlignHCenter);

    auto* controls = new QHBoxLayout;
    btnPlay = new QPushButton(this);
    btnPlay->setObjectName("btnPlay");
    btnStep = new QPushButton(tr("S&tep"), this);
    btnStep->setObjectName("btnStep");
    btnStep->setAccessibleName(tr("Step"));
    cboSpeed = new QComboBox(this);
    cboSpeed->setObjectName("cboSpeed");
    cboSpeed->setAccessibleName(tr("Speed"));
    for (int speed : kSpeeds)
        cboSpeed->addItem(tr("%1x").arg(speed), speed);
    sldMoves = new QSlider(Qt::Horizontal, this);
    sldMoves->setObjectName("sldMoves");
    sldMoves->setAccessibleName(tr("Moves"));
    sldMoves->setRange(0, static_cast<int>(FGame.Moves.size()));
    controls->addWidget(btnPlay);
    controls->addWidget(btnStep);
    controls->addWidget(cboSpeed);
    controls->addWidget(sldMoves, 1);
    layout->addLayout(controls);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnPlay, &QPushButton::clicked, this, [this] { SetPlaying(!FTimer.isActive()); });
    connect(btnStep, &QPushButton::clicked, this, [this] {
        SetPlaying(false);
        Step();
    });
    connect(sldMoves, &QSlider::valueChanged, this, [this](int value) {
        if (value != FDone)
            SeekTo(value);
    });
    FTimer.setInterval(kFrameMs);
    connect(&FTimer, &QTimer::timeout, this, &TReplayWindow::Tick);
    ShowTime();
    SetPlaying(true);
}

TReplayWindow::~TReplayWindow()
{
    FTimer.stop();
    delete pnlField; // before this host goes
}

void TReplayWindow::SetCounterText(const std::string& text) { lblCounter->setText(QString::fromStdString(text)); }

void TReplayWindow::SetPlaying(bool on)
{
    if (on && FDone >= static_cast<int>(FGame.Moves.size()))
        SeekTo(0); // playing a finished replay starts it over
    if (on) {
        FSinceTick.start();
        FTimer.start();
    } else {
        FTimer.stop();
    }
    btnPlay->setText(on ? tr("&Pause") : tr("&Play"));
    btnPlay->setAccessibleName(on ? tr("Pause") : tr("Play"));
}

void TReplayWindow::ApplyNext()
{
    const TMove& move = FGame.Moves[static_cast<std::size_t>(FDone)];
    if (std::exchange(FLost, false)) {
        pnlField->Undo(); // the player took the loss back before this move
        pnlField->SetEnabled(true);
    }
    ApplyMove(*pnlField, move);
    ++FDone;
}

void TReplayWindow::Step()
{
    if (FDone >= static_cast<int>(FGame.Moves.size()))
        return;
    FMillis = FGame.Moves[static_cast<std::size_t>(FDone)].Millis;
    ApplyNext();
    ShowTime();
}

void TReplayWindow::SeekTo(int count)
{
    FLost = false;
    DealReplay(*pnlField, FGame);
    pnlField->SetEnabled(true);
    FDone = 0;
    FMillis = 0;
    while (FDone < count && FDone < static_cast<int>(FGame.Moves.size())) {
        FMillis = FGame.Moves[static_cast<std::size_t>(FDone)].Millis;
        ApplyNext();
    }
    pnlField->Paint();
    ShowTime();
}

void TReplayWindow::Tick()
{
    const int speed = cboSpeed->currentData().toInt();
    FMillis += FSinceTick.restart() * speed;
    while (FDone < static_cast<int>(FGame.Moves.size()) &&
           FGame.Moves[static_cast<std::size_t>(FDone)].Millis <= FMillis)
        ApplyNext();
    if (FDone >= static_cast<int>(FGame.Moves.size())) {
        FMillis = FGame.Moves.empty() ? 0 : FGame.Moves.back().Millis;
        SetPlaying(false);
    }
    ShowTime();
}

void TReplayWindow::ShowTime()
{
    lblClock->setText(tr("%1 s").arg(FNumbers.toString(static_cast<double>(FMillis) / 1000.0, 'f', 1)));
    const QSignalBlocker quiet(sldMoves);
    sldMoves->setValue(FDone);
}
