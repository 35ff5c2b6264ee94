#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quillset {

/// A statement's time limit kept on this side of the connection: a server that stops answering in the
/// middle of a statement never sends the error its own time limit would, so the connection's socket
/// is shut once the limit has passed, and the wait for an answer ends at once with an error.
class StatementWatch
{
public:
    explicit StatementWatch(std::chrono::milliseconds limit);
    ~StatementWatch();
    StatementWatch(const StatementWatch &) = delete;
    StatementWatch &operator=(const StatementWatch &) = delete;

    /// Starts the limit for a statement about to wait on the socket (nothing is watched for -1).
    void arm(int socket);
    /// The statement is answered. Returns true when the limit had passed and the socket was shut.
    bool disarm();
    std::chrono::milliseconds limit() const { return m_limit; }

private:
    void watch();

    const std::chrono::milliseconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::chrono::steady_clock::time_point m_deadline = std::chrono::steady_clock::time_point::max();
    int m_socket = -1;
    bool m_shut = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace quillset
