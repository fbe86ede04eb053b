#include "LinkThread.h"

#include <QPointer>

// Lives on the link's thread: the port and its link, made by the first run.
class LinkThread::Worker : public QObject {
public:
    explicit Worker(IoMaker makeIo)
        : m_makeIo(std::move(makeIo)) {}
    ~Worker() override {
        m_link.reset();
        m_io.reset();
    }

    ComLink &link() {
        if (!m_link) {
            m_io = m_makeIo ? m_makeIo() : std::make_shared<QtSerialPortIo>();
            m_link = std::make_unique<ComLink>(*m_io);
        }
        return *m_link;
    }

private:
    IoMaker m_makeIo;
    std::shared_ptr<SerialPortIo> m_io;
    std::unique_ptr<ComLink> m_link;
};

LinkThread::LinkThread(const Clock &clock, IoMaker makeIo, QObject *parent)
    : QObject(parent)
    , m_clock(clock) {
    m_thread.setObjectName(QStringLiteral("player link"));
    m_worker = new Worker(std::move(makeIo));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

LinkThread::~LinkThread() {
    m_thread.quit();
    m_thread.wait();
}

bool LinkThread::start(const QString &port, Run run, Listener listener) {
    if (m_busy)
        return false;
    m_busy = true;
    m_port = port;
    const auto shared = std::make_shared<const Listener>(std::move(listener));
    // Each report is a queued call on this thread; none arrives once this object is gone.
    const QPointer<LinkThread> self(this);
    const auto post = [self](std::function<void()> call) {
        if (self)
            QMetaObject::invokeMethod(self, std::move(call), Qt::QueuedConnection);
    };
    const TransferContext context{m_clock,
                                  [post, shared](int slot) {
                                      if (shared->slotDone)
                                          post([shared, slot] { shared->slotDone(slot); });
                                  },
                                  [post, shared] {
                                      if (shared->finalizing)
                                          post([shared] { shared->finalizing(); });
                                  },
                                  [post, shared](const LinkFailure &failure) {
                                      if (shared->failed)
                                          post([shared, failure] { shared->failed(failure); });
                                  }};
    QMetaObject::invokeMethod(
        m_worker,
        [worker = m_worker, timing = m_timing, clockMs = m_watchdogClock, run = std::move(run), context, post, shared,
         this] {
            ComLink &link = worker->link();
            link.setTiming(timing);
            link.setWatchdogClock(clockMs);
            const PortRun result = run(link, context);
            post([this, shared, result] {
                m_busy = false;
                if (shared->finished)
                    shared->finished(result);
            });
        },
        Qt::QueuedConnection);
    return true;
}
