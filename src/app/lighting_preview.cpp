#include "app/lighting_preview.h"

#include "config/mouse_config.h"

#include <algorithm>

namespace zantor::app {
namespace {

constexpr int kColourCycleMode = 1;
constexpr int kSlowestInterval = 1200, kIntervalStep = 200, kFastestSpeed = 5;

} // namespace

PreviewLook NextPreviewLook(PreviewLook look, const MouseConfig& config) {
    if (config.ledType != kColourCycleMode || !look.off)
        return PreviewLook{look.colour, true};
    int colour = std::clamp(look.colour, 0, kCycleColourCount - 1);
    for (int tries = 0; tries < kCycleColourCount; ++tries) {
        colour = (colour + 1) % kCycleColourCount;
        if (config.cycleColourOn[std::size_t(colour)])
            return PreviewLook{colour, false};
    }
    return PreviewLook{look.colour, false};
}

std::chrono::milliseconds PreviewInterval(const MouseConfig& config) {
    const int speed = std::min<int>(config.ledCycleTime, kFastestSpeed);
    return std::chrono::milliseconds(kSlowestInterval - kIntervalStep * speed);
}

LightingPreview::LightingPreview(Post post, std::function<std::chrono::milliseconds()> tick)
    : post_(std::move(post)), tick_(std::move(tick)) {}

LightingPreview::~LightingPreview() {
    stop();
}

void LightingPreview::setPageShown(bool shown, std::chrono::milliseconds firstInterval) {
    std::unique_lock lock(mutex_);
    shown_ = shown;
    if (!shown || running_ || stopping_)
        return;
    interval_ = firstInterval;
    running_ = true;
    lock.unlock();
    if (thread_.joinable())
        thread_.join(); // a thread that has ended, or is about to
    thread_ = std::thread([this] { run(); });
}

bool LightingPreview::running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

void LightingPreview::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void LightingPreview::run() {
    std::unique_lock lock(mutex_);
    while (shown_ && !stopping_) {
        lock.unlock();
        post_([this] {
            const auto next = tick_();
            std::lock_guard guard(mutex_);
            interval_ = next;
        });
        lock.lock();
        wake_.wait_for(lock, interval_, [this] { return stopping_; });
    }
    running_ = false;
}

} // namespace zantor::app
