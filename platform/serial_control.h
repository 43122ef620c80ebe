// The serial control of both programs: the properties and operations they use, over QSerialPort.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

namespace platform {

// Device behind port number n (1..16): $PANEL_COM<n> when set, else COM 1..8 = /dev/ttyUSB0..7
// and COM 9..16 = /dev/ttyACM0..7. Empty for any other number.
QString SerialDeviceForPort(int port);

class SerialControl : public QObject
{
    Q_OBJECT
public:
    explicit SerialControl(QObject *parent = nullptr);
    ~SerialControl() override;

    int CommPort() const { return m_port; }
    void setCommPort(int port);

    // "baud,parity,data,stop", e.g. "56000,N,8,1". A malformed string is refused (returns false).
    bool setSettings(const QString &settings);
    QString Settings() const { return m_settings; }

    void setDTREnable(bool on);
    // The most that waits to be read: what the device sends beyond it stays at the port, where the
    // operating system holds it back or drops it, as on a line overrun.
    void setInBufferSize(int size);
    int InBufferSize() const { return m_inBufferSize; }
    void setOutBufferSize(int size) { m_outBufferSize = size; }
    void setRThreshold(int n) { m_threshold = n; }
    int RThreshold() const { return m_threshold; }
    void setInputLen(int n) { m_inputLen = n; }
    void setInputModeBinary() {}

    // Bytes waiting to be read, at most InBufferSize. Only moves while window events run.
    int InBufferCount() const;
    // Whether the input buffer is full: a wait for more than it holds ends here.
    bool InBufferFull() const { return InBufferCount() >= m_inBufferSize; }
    // Setting the count to 0 discards every waiting byte.
    void ClearInBuffer();

    // Opens (true) or closes (false). Opening a missing or busy device fails; returns the result.
    bool setPortOpen(bool open);
    bool PortOpen() const;
    // True once after the device failed or went away and the port was closed for it; a new opening
    // forgets it.
    bool TakeLost();

    // Writes bytes on the line; false when the port is closed or the write fails.
    bool Output(const QByteArray &bytes);
    // Reads everything waiting (or at most InputLen bytes when it is not 0).
    QByteArray Input();

private:
    bool applySettings();

    QSerialPort m_serial;
    int m_port = 0;
    QString m_settings = QStringLiteral("9600,N,8,1");
    bool m_dtr = false;
    int m_inBufferSize = 1024;
    int m_outBufferSize = 512;
    int m_threshold = 0;
    int m_inputLen = 0;
    bool m_lost = false;
};

} // namespace platform
