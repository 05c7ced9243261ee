#include "platform/Async.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace Async {

void runInBackground(std::function<void()> work) {
    QThreadPool::globalInstance()->start(std::move(work));
}

void postToGui(std::function<void()> fn) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}

} // namespace Async
