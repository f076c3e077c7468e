#include "KeepGlDriver.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace velmar::testkit {

void keepGlDriverLoaded()
{
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            const char* name = info->dlpi_name;
            if (name && (std::strstr(name, "_dri.so") || std::strstr(name, "libgallium")))
                // Already loaded: this only marks it never to be unloaded.
                dlopen(name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}

} // namespace velmar::testkit
