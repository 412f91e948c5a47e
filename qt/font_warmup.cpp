#include "qt/font_warmup.h"

#ifdef HORUMINA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontConfigWarmUp::FontConfigWarmUp()
{
#ifdef HORUMINA_FONTCONFIG
    // FcInit reads the configuration and the font cache into the library's
    // current configuration, the one Qt's font database asks for later.
    loader_ = std::thread([] { FcInit(); });
#endif
}

void FontConfigWarmUp::Join()
{
    if (loader_.joinable())
        loader_.join();
}
