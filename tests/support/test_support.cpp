#include "test_support.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "platform/form.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

#include <QCoreApplication>
#include <QEvent>

namespace testsupport {

void PointPortsAtNothing()
{
    for (int port = 1; port <= 16; ++port)
        qputenv(("PANEL_COM" + QByteArray::number(port)).constData(),
                ("/nonexistent/panel-com-" + QByteArray::number(port)).constData());
}

void PointPortAt(int port, const QString &path)
{
    qputenv(("PANEL_COM" + QByteArray::number(port)).constData(), path.toLocal8Bit());
}

MessageRecorder::MessageRecorder(platform::MsgResult answer) : m_answer(answer)
{
    platform::ClearShownMessages();
    platform::SetMessageAnswerer([this](const platform::ShownMessage &m) {
        if (m.buttons == platform::MsgButtons::Ok)
            return platform::MsgResult::Ok;
        if (m.buttons == platform::MsgButtons::OkCancel &&
            (m_answer == platform::MsgResult::Yes || m_answer == platform::MsgResult::No))
            return m_answer == platform::MsgResult::Yes ? platform::MsgResult::Ok
                                                        : platform::MsgResult::Cancel;
        return m_answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    platform::SetMessageAnswerer(nullptr);
}

const std::vector<platform::ShownMessage> &MessageRecorder::shown() const
{
    return platform::ShownMessages();
}

FastTicks::FastTicks(double factor)
{
    platform::SetTickSpeed(factor);
}

FastTicks::~FastTicks()
{
    platform::SetTickSpeed(1.0);
}

void FreshState()
{
    Declaration::D().Etat_Liaison.Arret_Demande = false;
    platform::SetProgramClosing(false);
    Fonctions::Fermer_Fenetres();
    Fonctions::Fermeture_Port();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Declaration::Reinitialiser();
}

} // namespace testsupport
