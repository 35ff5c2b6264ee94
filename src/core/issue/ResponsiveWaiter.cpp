#include "ResponsiveWaiter.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <exception>
#include <memory>

namespace quillset {

void ResponsiveWaiter::run(const std::function<void()> &call)
{
    std::exception_ptr thrown;
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            call();
        } catch (...) {
            thrown = std::current_exception();
        }
    }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    loop.exec();
    thread->wait();
    if (thrown)
        std::rethrow_exception(thrown);
}

void ResponsiveWaiter::pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace quillset
