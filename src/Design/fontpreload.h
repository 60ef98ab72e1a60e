#pragma once

#include <latch>
#include <thread>

// Loads the system's font configuration, then Qt's font database and the app's family, on a thread
// of its own while start-up goes on, so that the first text laid out does not wait for them.
// Make it first thing in main(); call applicationMade() once the application object exists (the
// font database needs its platform) and wait() before the first font is used.
class FontPreload
{
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    void applicationMade();
    void wait();

private:
    void release();

    bool m_application = false;
    bool m_released = false;
    std::latch m_go{1};
    std::thread m_thread;
};
