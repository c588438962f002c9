#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <list>
#include <optional>

#include "http_exchange.h"

namespace ostrel {

// A request waiting for its turn: address, request target and what to do with the outcome.
struct PoolJob {
    QString address;
    QByteArray target;
    HttpTimeouts timeouts;
    std::function<void(const HttpOutcome&)> done;
};

// Runs requests asynchronously with a bounded number in flight. One timer enforces every
// time-out. Jobs come from the queue, then from the source (pulled only when there is room, so a
// large range never sits in memory at once). GUI thread.
class RequestPool : public QObject {
    Q_OBJECT

public:
    using Source = std::function<std::optional<PoolJob>()>;

    RequestPool(int maxInFlight, quint16 port, QObject* parent = nullptr);
    // Requests still in flight end without calling back.
    ~RequestPool() override;

    void SetMaxInFlight(int maxInFlight) { maxInFlight_ = maxInFlight > 0 ? maxInFlight : 1; }
    void Submit(PoolJob job);
    // Pulled until it gives nothing; replaces a previous source.
    void SetSource(Source source);
    int InFlight() const { return static_cast<int>(inFlight_.size()); }

signals:
    // The number in flight changed.
    void InFlightChanged(int count);

private:
    void Fill();
    void Launch(PoolJob job);
    void CheckDeadlines();

    int maxInFlight_;
    quint16 port_;
    std::deque<PoolJob> queue_;
    Source source_;
    std::list<HttpExchange*> inFlight_;
    QElapsedTimer clock_;
    QTimer sweep_;
    bool filling_ = false;
};

}  // namespace ostrel
