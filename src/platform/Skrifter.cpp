#include "platform/Skrifter.h"

#include <fontconfig/fontconfig.h>

namespace kv {

void indlaesSkriftopsaetning()
{
    FcInit();
}

} // namespace kv
