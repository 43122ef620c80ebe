// While an exchange waits for its device, window events keep running, so a user could act in the middle
// of it. A guard narrows what the user reaches to what the program allows (its progress window, the
// quit command, the boxes it shows itself); every other click, key, wheel turn and close is dropped.
#pragma once

class QAction;
class QWidget;

namespace platform {

class InputGuard
{
public:
    InputGuard();
    ~InputGuard();
    InputGuard(const InputGuard &) = delete;
    InputGuard &operator=(const InputGuard &) = delete;

    // Whether a guard stands now (guards nest).
    static bool Active();

    // What stays reachable while a guard stands: a widget and everything inside it, a menu-bar entry, a
    // window whose close box stays live. Forgotten when the object goes.
    static void AllowWidget(QWidget *widget);
    static void AllowAction(QAction *action);
    static void AllowClose(QWidget *window);
};

} // namespace platform
