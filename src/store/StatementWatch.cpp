#include "StatementWatch.h"

#include "store/StoreLog.h"

#include <sys/socket.h>

#include <algorithm>

namespace quillset {

StatementWatch::StatementWatch(std::chrono::milliseconds limit)
    : m_limit(limit)
    , m_thread([this] { watch(); })
{
}

StatementWatch::~StatementWatch()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_one();
    m_thread.join();
}

void StatementWatch::arm(int socket)
{
    // No wake-up per statement: the watcher looks in a few times a second, so a statement costs a lock.
    const std::lock_guard lock(m_mutex);
    m_socket = socket;
    m_shut = false;
    m_deadline = socket < 0 ? std::chrono::steady_clock::time_point::max() : std::chrono::steady_clock::now() + m_limit;
}

bool StatementWatch::disarm()
{
    const std::lock_guard lock(m_mutex);
    m_deadline = std::chrono::steady_clock::time_point::max();
    m_socket = -1;
    return m_shut;
}

void StatementWatch::watch()
{
    const auto look = std::min<std::chrono::milliseconds>(m_limit / 10, std::chrono::milliseconds(250));
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        m_changed.wait_for(lock, look);
        if (m_socket >= 0 && std::chrono::steady_clock::now() >= m_deadline) {
            qCDebug(lcStore, "the database server did not answer within %lld ms; its connection is closed",
                    static_cast<long long>(m_limit.count()));
            ::shutdown(m_socket, SHUT_RDWR);
            m_shut = true;
            m_socket = -1;
            m_deadline = std::chrono::steady_clock::time_point::max();
        }
    }
}

} // namespace quillset
