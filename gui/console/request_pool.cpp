#include "request_pool.h"

namespace ostrel {

namespace {
constexpr int kSweepMs = 50;
}

RequestPool::RequestPool(int maxInFlight, quint16 port, QObject* parent)
    : QObject(parent), port_(port) {
    SetMaxInFlight(maxInFlight);
    clock_.start();
    sweep_.setInterval(kSweepMs);
    connect(&sweep_, &QTimer::timeout, this, &RequestPool::CheckDeadlines);
}

RequestPool::~RequestPool() {
    for (HttpExchange* exchange : inFlight_) {
        disconnect(exchange, nullptr, this, nullptr);
        delete exchange;
    }
}

void RequestPool::Submit(PoolJob job) {
    queue_.push_back(std::move(job));
    Fill();
}

void RequestPool::SetSource(Source source) {
    source_ = std::move(source);
    Fill();
}

void RequestPool::Fill() {
    // A request that fails at once ends inside Launch and calls back here: the loop below
    // already fills the room it leaves.
    if (filling_) return;
    filling_ = true;
    while (static_cast<int>(inFlight_.size()) < maxInFlight_) {
        if (!queue_.empty()) {
            PoolJob job = std::move(queue_.front());
            queue_.pop_front();
            Launch(std::move(job));
        } else if (source_) {
            std::optional<PoolJob> job = source_();
            if (!job) {
                source_ = nullptr;
                continue;
            }
            Launch(std::move(*job));
        } else {
            break;
        }
    }
    filling_ = false;
    emit InFlightChanged(InFlight());
    if (inFlight_.empty()) {
        sweep_.stop();
    } else if (!sweep_.isActive()) {
        sweep_.start();
    }
}

void RequestPool::Launch(PoolJob job) {
    auto* exchange = new HttpExchange(job.address, port_, job.target, job.timeouts, this);
    const auto position = inFlight_.insert(inFlight_.end(), exchange);
    connect(exchange, &HttpExchange::Done, this,
            [this, exchange, position, done = std::move(job.done)](const HttpOutcome& outcome) {
                inFlight_.erase(position);
                exchange->deleteLater();
                if (done) done(outcome);
                Fill();
            });
    exchange->Start(clock_.elapsed());
}

void RequestPool::CheckDeadlines() {
    const qint64 now = clock_.elapsed();
    // Ending an exchange erases it from the list and may start others: walk a copy.
    const std::list<HttpExchange*> current = inFlight_;
    for (HttpExchange* exchange : current) {
        if (!exchange->IsDone()) exchange->CheckDeadline(now);
    }
}

}  // namespace ostrel
