// A program started in a process of its own (posix_spawn, in the working directory), talked to
// through its standard input and output. Killed if it still runs when this object goes.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool IsStarted() const { return m_pid > 0; }
    // The next line it wrote, without its line feed; empty at the end of its output or when
    // nothing came in time.
    std::string ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Everything it writes until it ends its output, or what came in time.
    std::string ReadToEnd(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    void WriteLine(const std::string& line);
    void Kill();
    // Waits for its end; the wait status.
    int Wait();

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    std::string m_unread;
    bool m_waited = false;
    int m_status = 0;
};
