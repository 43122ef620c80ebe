// The analysis program's main window: multi-document frame, menu bar and start-up sequence.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QTimer>

class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    static frmMain *Instance();

    // Program start: splash, panel scan, messages, port window.
    void Form_Load();

    // Menu bar, left to right.
    QAction *mnuSelect_Port;
    QAction *sep1;
    QMenu *mnuSave;
    QAction *Save;
    QAction *ExcelSave;
    QAction *sep2;
    QMenu *mnuAnalyse;
    QAction *mnuGraphique;
    QAction *mnuTableau_Leq;
    QAction *sep3;
    QAction *mnuTableau_Evenements;
    QAction *sep4;
    QAction *mnuTableau_Parametres;
    QAction *sep5;
    QAction *mnuAbout;
    QAction *sep6;
    QAction *mnuQuitter;

    QMdiArea *Zone;
    QTimer Timer_Wait;

    bool SaveEnabled() const;
    void setSaveEnabled(bool on);
    void setAnalyseEnabled(bool on);

    // Captions the shell writes.
    static QString Caption_Depart();
    static QString Caption_Trouve(int port);
    static QString Caption_Choisi(int port);
    static QString Caption_Sans_Port();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();
    void Menu_Analyse(const QString &type);
    void Timer_Wait_Timer();
};
