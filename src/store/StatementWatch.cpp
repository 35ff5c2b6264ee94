#include "StatementWatch.h"

#include "store/StoreLog.h"

#include <sys/socket.h>

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
    {
        const std::lock_guard lock(m_mutex);
        m_socket = socket;
        m_shut = false;
        m_deadline
            = socket < 0 ? std::chrono::steady_clock::time_point::max() : std::chrono::steady_clock::now() + m_limit;
    }
    m_changed.notify_one();
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
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (m_deadline == std::chrono::steady_clock::time_point::max()) {
            m_changed.wait(lock);
            continue;
        }
        if (m_changed.wait_until(lock, m_deadline) == std::cv_status::timeout
            && std::chrono::steady_clock::now() >= m_deadline && m_socket >= 0) {
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
