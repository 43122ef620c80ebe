// Helpers shared by the test suites.
#pragma once

#include "platform/message_box.h"

#include <QString>
#include <vector>

namespace testsupport {

// Points PANEL_COM1..16 at paths that do not exist, so no test opens a real device.
void PointPortsAtNothing();
// Points PANEL_COM<port> at a device path (a simulator's terminal).
void PointPortAt(int port, const QString &path);

// Answers every message box with `answer` (Ok when the box has no such button) and records them.
class MessageRecorder
{
public:
    explicit MessageRecorder(platform::MsgResult answer = platform::MsgResult::Ok);
    ~MessageRecorder();
    const std::vector<platform::ShownMessage> &shown() const;
    void setAnswer(platform::MsgResult answer) { m_answer = answer; }

private:
    platform::MsgResult m_answer;
};

// Runs the tick count `factor` times faster for the life of the object.
class FastTicks
{
public:
    explicit FastTicks(double factor = 20.0);
    ~FastTicks();
};

// Starts each test from the program's start state, with windows gone and the port closed.
void FreshState();

} // namespace testsupport
