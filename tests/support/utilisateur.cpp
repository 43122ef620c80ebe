#include "utilisateur.h"

#include "platform/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>

namespace testsupport {

Utilisateur::Utilisateur(int regard_ms, QMessageBox::StandardButton bouton)
    : m_regard_ms(regard_ms), m_bouton(bouton)
{
    platform::SetMessageAnswerer(nullptr);
    connect(&m_regard, &QTimer::timeout, this, &Utilisateur::Regarder);
    m_regard.start(10);
}

Utilisateur::~Utilisateur()
{
    const bool non = m_bouton == QMessageBox::No;
    platform::SetMessageAnswerer([non](const platform::ShownMessage &m) {
        if (m.buttons == platform::MsgButtons::YesNo)
            return non ? platform::MsgResult::No : platform::MsgResult::Yes;
        return platform::MsgResult::Ok;
    });
}

void Utilisateur::Regarder()
{
    auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!boite || !boite->isVisible())
        return;
    if (boite != m_boite) {
        m_boite = boite;
        m_depuis = QDateTime::currentMSecsSinceEpoch();
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() - m_depuis < m_regard_ms)
        return;
    m_boites << boite->text();
    m_boite = nullptr;
    QAbstractButton *choisi = boite->button(m_bouton);
    if (!choisi)
        choisi = boite->button(QMessageBox::Ok);
    (choisi ? choisi : boite->buttons().value(0))->click();
}

} // namespace testsupport
