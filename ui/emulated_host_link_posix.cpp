#include <dlfcn.h>

#include "ui/emulated_host_link.h"

void* FindEmulatedHostCall(const char* name) { return dlsym(RTLD_DEFAULT, name); }
