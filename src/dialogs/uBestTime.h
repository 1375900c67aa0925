// One dialog for two views: the table of best times, and the statistics of one
// session at a time with a chooser of sessions (the mode "viewStatMode").
#pragma once

#include "records/uBombLib.h"
#include "settings/IniStore.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

inline constexpr char kViewStatMode[] = "viewStatMode";

class TfrmBestTime : public QDialog {
    Q_OBJECT

public:
    explicit TfrmBestTime(QWidget* parent = nullptr);

    void SetMode(const QString& mode);
    QString GetMode() const { return FMode; }
    // Binds the action button: it takes the action's caption and runs it when
    // pressed, without closing the dialog. Nothing unbinds it.
    void SetAction(QAction* action);
    QAction* GetAction() const { return FAction; }

    // The sessions and the history file the statistics view reads; not owned.
    void SetSessions(TSessionList* sessions, const TIniStore* history);

    // Fills the grid with the games of the chosen session.
    void cboSessionChange();
    // The running session was cleared: it leaves the chooser.
    void CurrentSessionCleared();

    // The grid as rows of texts: row 0 is the header, row 1 stays empty and
    // the records follow.
    int RowCount() const;
    QString Cell(int column, int row) const;
    void SetHeader(const QStringList& captions);
    void SetColumnWidth(int column, int width);
    void SetRowCount(int rows);
    void AddRow(const QStringList& cells);
    // A row whose one cell spans the grid: the title of the rows below it.
    void AddTitleRow(const QString& title);

    QWidget* pnlTop;
    QLabel* lblSession;
    QComboBox* cboSession;
    QTableWidget* grd;
    QWidget* pnlBottom;
    QPushButton* btnAction;
    QPushButton* btnOk;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Realign();
    // The width of a column whose caption is to show whole.
    int CaptionWidth(int column, int width) const;
    // Once the window frame is known, the client area is what it leaves of
    // the dialog's outer size.
    void FitToFrame();

    QSize FDesignClient; // the client area at the outer size
    bool FFramed = false;
    QString FMode;
    QAction* FAction = nullptr;
    TSessionList* FSessions = nullptr;
    const TIniStore* FHistory = nullptr;
};
