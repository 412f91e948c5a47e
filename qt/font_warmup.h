#pragma once

#include <thread>

// Loads the system's font configuration on a second thread while the
// application object connects to the display. The configuration is the
// largest single cost of the first text the window measures, and the two
// do not depend on each other. Join() waits for it; call it before the
// first font is used, so that Qt never loads the configuration a second
// time alongside. Where the system has no fontconfig, it does nothing.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp() { Join(); }
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;
    void Join();

private:
    std::thread loader_;
};
