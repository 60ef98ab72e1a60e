#include "fontpreload.h"

#include "theme.h"

#include <fontconfig/fontconfig.h>

std::atomic<FontPreload *> FontPreload::s_running = nullptr;

FontPreload::FontPreload()
    : m_thread([this] {
        // Fontconfig's configuration is process-wide and loaded once: reading it is most of the
        // font set-up. Qt's database is shared by all threads and filled under its own lock.
        FcInit();
        m_go.wait();
        if (m_application)
            Theme::fontFamily();
        m_done = true;
        m_done.notify_all();
    })
{
    s_running = this;
}

FontPreload::~FontPreload()
{
    release();
    m_thread.join();
    s_running = nullptr;
}

void FontPreload::applicationMade()
{
    m_application = true;
    release();
}

void FontPreload::waitForFonts()
{
    FontPreload *preload = s_running;
    if (!preload || preload->m_done || std::this_thread::get_id() == preload->m_thread.get_id())
        return;
    // Asked before the application object exists: the preload reads the configuration only.
    preload->release();
    preload->m_done.wait(false);
}

void FontPreload::release()
{
    if (!m_released.exchange(true))
        m_go.count_down();
}
