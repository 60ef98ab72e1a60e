#include "fontpreload.h"

#include "theme.h"

#include <fontconfig/fontconfig.h>

#include <utility>

FontPreload::FontPreload()
    : m_thread([this] {
        // Fontconfig's configuration is process-wide and loaded once: reading it is most of the
        // font set-up. Qt's database is shared by all threads and filled under its own lock.
        FcInit();
        m_go.wait();
        if (m_application)
            Theme::fontFamily();
    })
{
}

FontPreload::~FontPreload()
{
    wait();
}

void FontPreload::applicationMade()
{
    m_application = true;
    release();
}

void FontPreload::wait()
{
    release();
    if (m_thread.joinable())
        m_thread.join();
}

void FontPreload::release()
{
    if (!std::exchange(m_released, true))
        m_go.count_down();
}
