#include "platform/form.h"
#include "platform/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

namespace platform {
namespace {

QPointer<QMdiArea> &area()
{
    static QPointer<QMdiArea> a;
    return a;
}

bool &closing()
{
    static bool c = false;
    return c;
}

} // namespace

void SetProgramClosing(bool c)
{
    closing() = c;
}

bool ProgramClosing()
{
    return closing();
}

void SetMdiArea(QMdiArea *a)
{
    area() = a;
}

QMdiArea *MdiArea()
{
    return area().data();
}

void SetBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void FitWidth(QWidget *w)
{
    QWidget *parent = w->parentWidget();
    const int wanted = w->sizeHint().width();
    if (!parent || wanted <= w->width())
        return;
    const int room = parent->width() - w->x() - 4;
    w->resize(qMax(w->width(), qMin(wanted, room)), w->height());
    // A caption still too long for a control two lines high goes on two lines, broken at a blank.
    auto *button = qobject_cast<QAbstractButton *>(w);
    const QFontMetrics fm(w->font());
    if (!button || wanted <= room || w->height() < 2 * fm.height())
        return;
    const QString text = button->text();
    const int textRoom = room - (wanted - fm.horizontalAdvance(text));
    for (qsizetype i = text.size() - 1; i > 0; --i) {
        if (text[i] == QLatin1Char(' ') && fm.horizontalAdvance(text.left(i)) <= textRoom) {
            button->setText(text.left(i) + QLatin1Char('\n') + text.mid(i + 1));
            return;
        }
    }
}

void FitCaptions(QWidget *w)
{
    for (QWidget *child : w->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(child);
        if ((label && !label->wordWrap() && label->pixmap().isNull()) ||
            qobject_cast<QAbstractButton *>(child))
            FitWidth(child);
    }
}

Form::Form(Kind kind) : m_mdiChild(kind == Kind::MdiChild)
{
    if (kind == Kind::Owned && MdiArea())
        setParent(MdiArea()->window(), Qt::Window);
}

Form::Form(Kind kind, const QString &caption, int widthTwips, int heightTwips, const QColor &background)
    : Form(kind)
{
    setWindowTitle(caption);
    // The family only: the size comes from the program's font.
    setFont(QFont(QStringLiteral("Arial")));
    setClientSizeTwips(widthTwips, heightTwips);
    if (background.isValid())
        SetBackground(this, background);
}

QWidget *Form::frame()
{
    if (m_sub)
        return m_sub;
    return this;
}

void Form::Show()
{
    if (m_unloaded)
        return;
    if (!m_fitted) {
        FitCaptions(this);
        m_fitted = true;
    }
    if (m_mdiChild && MdiArea() && !m_sub) {
        m_sub = MdiArea()->addSubWindow(this);
        m_sub->setAttribute(Qt::WA_DeleteOnClose, false);
        // The program's own icon, not the toolkit's.
        m_sub->setWindowIcon(QApplication::windowIcon());
        applyPosition();
    }
    if (m_sub) {
        QWidget::show();
        // The frame takes the window's size as it is now: a window hidden before its first show gave
        // its frame none, and a window may change its client size between two shows.
        m_sub->adjustSize();
        m_sub->show();
        m_sub->raise();
    } else {
        show();
        raise();
    }
}

void Form::Hide()
{
    frame()->hide();
}

void Form::Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Form_Unload();
    frame()->hide();
    if (m_handlers == 0)
        frame()->deleteLater();
}

HandlerScope::HandlerScope(Form *form) : m_form(form)
{
    if (form)
        ++form->m_handlers;
}

HandlerScope::~HandlerScope()
{
    Form *f = m_form.data();
    if (!f)
        return;
    // The last handler out deletes a window that was unloaded under it.
    if (--f->m_handlers == 0 && f->m_unloaded)
        f->frame()->deleteLater();
}

bool HandlerScope::Stands() const
{
    return m_form && !m_form->IsUnloaded() && !ProgramClosing();
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_unloaded) {
        event->accept();
        return;
    }
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Unload();
}

void Form::applyPosition()
{
    // Before an MDI child is first shown there is no frame to move yet; Show applies it then.
    if (m_mdiChild && MdiArea() && !m_sub)
        return;
    QWidget *f = frame();
    f->move(m_left >= 0 ? Px(m_left) : f->x(), m_top >= 0 ? Px(m_top) : f->y());
}

void Form::setLeftTwips(int left)
{
    m_left = left;
    applyPosition();
}

void Form::setTopTwips(int top)
{
    m_top = top;
    applyPosition();
}

int Form::LeftTwips() const
{
    const QWidget *f = m_sub ? static_cast<const QWidget *>(m_sub.data()) : this;
    return Twips(f->x());
}

void Form::setClientSizeTwips(int width, int height)
{
    setFixedSize(Px(width), Px(height));
}

} // namespace platform
