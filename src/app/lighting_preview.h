#pragma once

#include "app/page_state.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace zantor {
class MouseConfig;
}

namespace zantor::app {

// One step of the colour page's preview: with the colour-cycle mode it alternates between the
// unlit picture and the next colour that is on (keeping the colour when none is on); with any
// other mode it stays unlit.
PreviewLook NextPreviewLook(PreviewLook look, const MouseConfig& config);
// How long each look lasts: 1200 ms at speed 0 down to 200 ms at speed 5 (a speed outside
// 0…5 from a file counts as the nearest one).
std::chrono::milliseconds PreviewInterval(const MouseConfig& config);

// The thread that animates the preview while the colour page is shown. It owns no window
// state: each tick is handed to `tick`, which runs on the window's thread (posted there), steps
// the look, repaints and says how long the next look lasts.
class LightingPreview {
public:
    using Post = std::function<void(std::function<void()>)>;

    // `post` hands a function to the window's thread; `tick` runs there.
    LightingPreview(Post post, std::function<std::chrono::milliseconds()> tick);
    ~LightingPreview();
    LightingPreview(const LightingPreview&) = delete;
    LightingPreview& operator=(const LightingPreview&) = delete;

    // The colour page is shown or left. Showing it starts the thread unless it runs; the
    // thread ends at the first interval that ends while the page is not shown.
    void setPageShown(bool shown, std::chrono::milliseconds firstInterval);
    bool running() const;
    // Ends the thread now and waits for it.
    void stop();

private:
    void run();

    Post post_;
    std::function<std::chrono::milliseconds()> tick_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool shown_ = false, running_ = false, stopping_ = false;
    std::chrono::milliseconds interval_{1200};
    std::thread thread_;
};

} // namespace zantor::app
