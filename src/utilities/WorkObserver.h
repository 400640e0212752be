#pragma once

#include "utilities/ServiceManager.h"

#include <functional>

// How a window follows a backup or restore: told when the server's work
// starts, fed its output while it runs (and an empty line about once a second
// while it is silent), and told when it has ended, before the outcome's
// message is shown.
struct WorkObserver {
    std::function<void()> started;
    ServiceManager::Progress progress;
    std::function<void()> finished;
};
