#pragma once

#include <atomic>
#include <latch>
#include <thread>

// Loads the system's font configuration, then Qt's font database and the app's family, on a thread
// of its own while start-up goes on, so that the first text laid out does not wait for them.
// Make it first thing in main() and call applicationMade() once the application object exists (the
// font database needs its platform). The app's fonts (Theme) wait for it on first use; nothing
// else needs to.
class FontPreload
{
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    void applicationMade();

    // Returns once the running preload (if any) has finished. Two threads must not read the
    // font configuration at once: each would read all of it.
    static void waitForFonts();

private:
    void release();

    static std::atomic<FontPreload *> s_running;

    bool m_application = false;
    std::atomic<bool> m_released = false;
    std::atomic<bool> m_done = false;
    std::latch m_go{1};
    std::thread m_thread;
};
