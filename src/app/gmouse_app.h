#pragma once

#include "app/app_options.h"

namespace zantor::app {

// The application: one per user, it runs the main window until the window's exit sequence
// ends it.
class CKOV_GMouseApp {
public:
    explicit CKOV_GMouseApp(AppOptions options) : options_(std::move(options)) {}

    // A later start asks the running program to show its window and returns 0 at once. The
    // first start runs the main window and returns its exit status once it has ended and its
    // threads have stopped. Needs a QApplication.
    int InitInstance();

private:
    AppOptions options_;
};

// The name the single-instance guard is known by.
inline constexpr const char* kInstanceName = "CKOV_GMouseApp";

} // namespace zantor::app
