// The configuration program's main window: multi-document frame, menu bar, the answer and splash timers,
// and the start-up that ends in the receive loop.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>

namespace configurator {

class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    static frmMain *Instance();

    // Start-up (menus, splash, port window), then the receive loop until the user quits.
    void MDIForm_Load();

    // Menu bar, left to right.
    QAction *mnuSelection_Port;
    QAction *mnuConfig_Tuvik;
    QMenu *mnuParametres;
    QAction *mnuOpen;
    QAction *sep1;
    QAction *mnuSave_Param;
    QAction *mnuPrint;
    QAction *sep2;
    QAction *mnuVisualiser;
    QAction *mnuAbout;
    QAction *mnuQuitter;
    QAction *mnuRien;
    QAction *mnuChange_Password;

    QMdiArea *Zone;
    QTimer Timer_Answer; // one-shot, 2000 ms, armed by the access-code requests
    QTimer Timer_Wait;   // one-shot, 3000 ms, the splash window

    // The "Paramètres" menu as a whole (its entry and its items).
    void setParametresEnabled(bool on);
    bool ParametresEnabled() const;

    // Arms the one-shot answer timer.
    void Armer_Timer_Answer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_QueryUnload();
};

} // namespace configurator
