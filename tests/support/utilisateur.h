// A user in front of a program: each message box that comes up is shown for real, read for a moment and
// closed with a button, one after the other, as a user closes them.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace testsupport {

class Utilisateur : public QObject
{
public:
    // Each box is read for `regard_ms`, then closed with `bouton`, or its OK button where it has no such
    // button. Boxes shown after the end are answered the same way without being shown, and recorded.
    explicit Utilisateur(int regard_ms = 100, QMessageBox::StandardButton bouton = QMessageBox::Ok);
    ~Utilisateur() override;
    // The texts of the boxes closed so far, in order.
    const QStringList &Boites() const { return m_boites; }

private:
    void Regarder();

    QTimer m_regard;
    QPointer<QWidget> m_boite;
    qint64 m_depuis = 0;
    int m_regard_ms;
    QMessageBox::StandardButton m_bouton;
    QStringList m_boites;
};

} // namespace testsupport
