#include "core/app/shared_library.h"

#include <dlfcn.h>

namespace zav {

CSharedLibrary::CSharedLibrary(const char* soname)
    : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}

void* CSharedLibrary::Symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace zav
