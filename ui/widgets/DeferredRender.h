#pragma once

#include <QObject>

#include <functional>

// Runs a view's render once per burst of model changes, on the next pass of the event loop: a
// refresh assigns many properties in a row, and the view should redraw once for all of them.
// A member of the view it renders, so it never outlives it.
class DeferredRender {
public:
    DeferredRender(QObject* owner, std::function<void()> render)
        : m_owner(owner), m_render(std::move(render)) {}
    void schedule() {
        if (m_pending) return;
        m_pending = true;
        QMetaObject::invokeMethod(
            m_owner,
            [this] {
                if (!m_pending) return; // rendered directly meanwhile
                m_pending = false;
                m_render();
            },
            Qt::QueuedConnection);
    }
    // The owner rendered at once: a render already scheduled has nothing left to do.
    void rendered() { m_pending = false; }

private:
    QObject* m_owner;
    std::function<void()> m_render;
    bool m_pending = false;
};
