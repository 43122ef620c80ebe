// A window of the programs: load/unload as the windows expect them, shown inside the main
// window's multi-document area (or on its own for the splash, about and modal-like windows).
#pragma once

#include "platform/twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <array>

namespace platform {

void SetMdiArea(QMdiArea *area);
QMdiArea *MdiArea();

void SetBackground(QWidget *w, const QColor &colour);

// Set once the program has begun to close: waits end, handlers stop at their next look.
void SetProgramClosing(bool closing);
bool ProgramClosing();

class Form : public QWidget
{
    Q_OBJECT
public:
    // MdiChild: inside the main window's area. Owned: a window of its own above the main window,
    // disabled with it. Independent: a window of its own that stays usable while the main window
    // is disabled (the windows that disable it to behave as modal ones).
    enum class Kind { MdiChild, Owned, Independent };
    explicit Form(Kind kind = Kind::MdiChild);
    // A window with its caption and client size in twips, the windows' 8-point Arial and, unless
    // `background` is invalid, that background colour.
    Form(Kind kind, const QString &caption, int widthTwips, int heightTwips,
         const QColor &background = FormBackground());

    // Makes the window visible (inside the MDI area when it is a child).
    void Show();
    void Hide();
    // Runs Form_Unload once, then removes the window. Safe to call from its own handlers.
    void Unload();
    bool IsUnloaded() const { return m_unloaded; }
    // Whether one of its handlers is running (the window is then deleted only once they return).
    bool InHandler() const { return m_handlers > 0; }

    // Position and size of the window frame in twips.
    void setLeftTwips(int left);
    void setTopTwips(int top);
    int LeftTwips() const;
    void setClientSizeTwips(int width, int height);

    // Runs Form_Load: called once by the form slots right after construction.
    void RunLoad() { Form_Load(); }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // A close asked by the user (the window's close box, or the main window closing); false keeps
    // the window open.
    virtual bool Form_QueryUnload() { return true; }

    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *frame();

    void applyPosition();

    bool m_mdiChild;
    int m_left = -1;
    int m_top = -1;
    bool m_unloaded = false;
    bool m_fitted = false;
    int m_handlers = 0;
    QPointer<QMdiSubWindow> m_sub;

    friend class HandlerScope;
};

// Held by a handler for as long as it runs: a handler that waits lets window events run, and one of
// them may unload its window. The window is then deleted only after the handler returns, and Stands()
// tells the handler, after each wait, whether it may go on.
class HandlerScope
{
public:
    explicit HandlerScope(Form *form);
    ~HandlerScope();
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

    // The window is still loaded and the program is not closing.
    bool Stands() const;

private:
    QPointer<Form> m_form;
};

// The windows that close each other: each says when it is loaded, and the close-all routine unloads, in
// index order, every one whose open flag is set.
template <size_t N> class FormRegistry
{
public:
    void Register(size_t index, Form *form) { m_forms[index] = form; }
    // `flag(i)` is the open flag of window i; a window already gone cannot keep its flag.
    template <class Flag> void UnloadOpen(Flag &&flag)
    {
        for (size_t i = 0; i < N; ++i) {
            bool &open = flag(i);
            if (!open)
                continue;
            if (Form *form = m_forms[i].data(); form && !form->IsUnloaded())
                form->Unload();
            else
                open = false;
        }
    }

private:
    std::array<QPointer<Form>, N> m_forms;
};

// The one instance of a form class, loaded on demand as the programs' windows are.
template <class F> class FormSlot
{
public:
    static F *Instance()
    {
        F *f = slot().data();
        return (f && !f->IsUnloaded()) ? f : nullptr;
    }
    static F &Load()
    {
        if (F *f = Instance())
            return *f;
        F *f = new F();
        slot() = f;
        f->RunLoad();
        return *f;
    }
    static F &Show()
    {
        F &f = Load();
        if (!f.IsUnloaded())
            f.Show();
        return f;
    }
    static void Unload()
    {
        if (F *f = Instance())
            f->Unload();
    }

private:
    static QPointer<F> &slot()
    {
        static QPointer<F> p;
        return p;
    }
};

} // namespace platform
