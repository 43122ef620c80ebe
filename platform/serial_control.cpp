#include "platform/serial_control.h"

#include <QStringList>
#include <utility>

namespace platform {

QString SerialDeviceForPort(int port)
{
    if (port < 1 || port > 16)
        return {};
    const QByteArray var = "PANEL_COM" + QByteArray::number(port);
    if (qEnvironmentVariableIsSet(var.constData()))
        return qEnvironmentVariable(var.constData());
    if (port <= 8)
        return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
    return QStringLiteral("/dev/ttyACM%1").arg(port - 9);
}

SerialControl::SerialControl(QObject *parent) : QObject(parent)
{
    // A device that goes away while open (an adapter pulled out, a terminal hung up) is closed at once:
    // an exchange then sees a closed port instead of a silent line, and a hung-up terminal, which stays
    // readable and reads nothing, does not keep the event loop spinning.
    connect(&m_serial, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        const bool failed =
            e == QSerialPort::ResourceError || e == QSerialPort::ReadError || e == QSerialPort::WriteError;
        if (failed && m_serial.isOpen()) {
            m_serial.close();
            m_lost = true;
        }
    });
    m_serial.setReadBufferSize(m_inBufferSize);
}

SerialControl::~SerialControl()
{
    if (m_serial.isOpen())
        m_serial.close();
}

void SerialControl::setInBufferSize(int size)
{
    m_inBufferSize = qMax(1, size);
    m_serial.setReadBufferSize(m_inBufferSize);
}

void SerialControl::setCommPort(int port)
{
    m_port = port;
}

bool SerialControl::setSettings(const QString &settings)
{
    const QStringList parts = settings.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    parts[0].toInt(&ok);
    if (!ok)
        return false;
    m_settings = settings;
    if (m_serial.isOpen())
        applySettings();
    return true;
}

bool SerialControl::applySettings()
{
    const QStringList parts = m_settings.split(QLatin1Char(','));
    // A pseudo-terminal or an adapter may refuse one of these; the line still works for what it
    // can, as the original control did not report them either.
    m_serial.setBaudRate(parts[0].toInt());
    const QString parity = parts[1].trimmed().toUpper();
    m_serial.setParity(parity == QLatin1String("E")   ? QSerialPort::EvenParity
                       : parity == QLatin1String("O") ? QSerialPort::OddParity
                                                      : QSerialPort::NoParity);
    m_serial.setDataBits(parts[2].toInt() == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    m_serial.setStopBits(parts[3].toInt() == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    m_serial.setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

void SerialControl::setDTREnable(bool on)
{
    m_dtr = on;
    if (m_serial.isOpen())
        m_serial.setDataTerminalReady(on); // refused by a pseudo-terminal: ignored
}

int SerialControl::InBufferCount() const
{
    return m_serial.isOpen() ? static_cast<int>(m_serial.bytesAvailable()) : 0;
}

void SerialControl::ClearInBuffer()
{
    if (!m_serial.isOpen())
        return;
    m_serial.readAll();
    m_serial.clear(QSerialPort::Input);
}

bool SerialControl::setPortOpen(bool open)
{
    if (!open) {
        if (m_serial.isOpen())
            m_serial.close();
        return true;
    }
    if (m_serial.isOpen())
        return true;
    const QString device = SerialDeviceForPort(m_port);
    if (device.isEmpty())
        return false;
    m_serial.setPortName(device);
    if (!m_serial.open(QIODevice::ReadWrite))
        return false;
    m_lost = false;
    applySettings();
    m_serial.setDataTerminalReady(m_dtr);
    return true;
}

bool SerialControl::PortOpen() const
{
    return m_serial.isOpen();
}

bool SerialControl::TakeLost()
{
    return std::exchange(m_lost, false);
}

bool SerialControl::Output(const QByteArray &bytes)
{
    if (!m_serial.isOpen())
        return false;
    if (m_serial.write(bytes) != bytes.size())
        return false;
    // Push the frame out now: the callers wait on the tick count, not on write notifications.
    m_serial.flush();
    return true;
}

QByteArray SerialControl::Input()
{
    if (!m_serial.isOpen())
        return {};
    if (m_inputLen > 0)
        return m_serial.read(m_inputLen);
    return m_serial.readAll();
}

} // namespace platform
