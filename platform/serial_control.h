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
    void setInBufferSize(int size) { m_inBufferSize = size; }
    int InBufferSize() const { return m_inBufferSize; }
    void setOutBufferSize(int size) { m_outBufferSize = size; }
    void setRThreshold(int n) { m_threshold = n; }
    int RThreshold() const { return m_threshold; }
    void setInputLen(int n) { m_inputLen = n; }
    void setInputModeBinary() {}

    // Bytes waiting to be read. Only moves while window events run.
    int InBufferCount() const;
    // Setting the count to 0 discards every waiting byte.
    void ClearInBuffer();

    // Opens (true) or closes (false). Opening a missing or busy device fails; returns the result.
    bool setPortOpen(bool open);
    bool PortOpen() const;

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
};

} // namespace platform
