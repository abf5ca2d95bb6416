#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

ChildProcess::ChildProcess(const std::vector<std::string>& arguments) {
    // A line written to a child that has ended must fail, not end the test program.
    std::signal(SIGPIPE, SIG_IGN);
    int toChild[2];
    int fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0) {
        return;
    }
    if (::pipe2(fromChild, O_CLOEXEC) != 0) {
        ::close(toChild[0]);
        ::close(toChild[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    if (::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    m_input = toChild[1];
    m_output = fromChild[0];
}

ChildProcess::~ChildProcess() {
    if (m_pid > 0 && !m_waited) {
        Kill();
        Wait();
    }
    if (m_input >= 0) {
        ::close(m_input);
    }
    if (m_output >= 0) {
        ::close(m_output);
    }
}

std::string ChildProcess::ReadLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::size_t lineFeed = m_unread.find('\n');
        if (lineFeed != std::string::npos) {
            std::string line = m_unread.substr(0, lineFeed);
            m_unread.erase(0, lineFeed + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{m_output, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            return {};
        }
        char buffer[4096];
        const ssize_t got = ::read(m_output, buffer, sizeof buffer);
        if (got <= 0) {
            return {};
        }
        m_unread.append(buffer, static_cast<std::size_t>(got));
    }
}

std::string ChildProcess::ReadToEnd(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{m_output, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t got = ::read(m_output, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        m_unread.append(buffer, static_cast<std::size_t>(got));
    }
    std::string all;
    all.swap(m_unread);
    return all;
}

void ChildProcess::WriteLine(const std::string& line) {
    const std::string text = line + "\n";
    static_cast<void>(::write(m_input, text.data(), text.size()));
}

void ChildProcess::Kill() {
    if (m_pid > 0 && !m_waited) {
        ::kill(m_pid, SIGKILL);
    }
}

int ChildProcess::Wait() {
    if (m_pid > 0 && !m_waited) {
        while (::waitpid(m_pid, &m_status, 0) < 0 && errno == EINTR) {
        }
        m_waited = true;
    }
    return m_status;
}
