#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

MessageAnswerer &answerer()
{
    static MessageAnswerer a;
    return a;
}

std::vector<ShownMessage> &shown()
{
    static std::vector<ShownMessage> s;
    return s;
}

QMessageBox::Icon toQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgResult MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    if (answerer()) {
        const ShownMessage message{text, title, icon, buttons};
        shown().push_back(message);
        return answerer()(message);
    }
    QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
    if (buttons == MsgButtons::OkCancel)
        qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == MsgButtons::YesNo)
        qtButtons = QMessageBox::Yes | QMessageBox::No;
    QMessageBox box(toQt(icon), title, text, qtButtons, QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }
}

void SetMessageAnswerer(MessageAnswerer a)
{
    answerer() = std::move(a);
}

const std::vector<ShownMessage> &ShownMessages()
{
    return shown();
}

void ClearShownMessages()
{
    shown().clear();
}

} // namespace platform
