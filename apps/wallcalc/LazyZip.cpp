// The libzip functions the report writer calls, forwarded to libzip opened on first use: only the .docx
// of `wallcalc report` needs it, and loading it with the crypto library it links at start-up costs
// every other command more than the rest of its run.
#include <dlfcn.h>
#include <zip.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The library's function `name`. Without the library the program ends as it would have at start-up
// had libzip been linked, with the loader's reason.
void* Real(const char* name) {
    static void* const library = dlopen(WALLCALC_LIBZIP_SONAME, RTLD_NOW | RTLD_LOCAL);
    void* function = library ? dlsym(library, name) : nullptr;
    if (!function) {
        const char* reason = dlerror();
        std::fprintf(stderr, "wallcalc: 无法加载 %s：%s\n", WALLCALC_LIBZIP_SONAME, reason ? reason : "?");
        std::exit(1);
    }
    return function;
}

}  // namespace

// The declarations come from zip.h, so a forwarder whose signature differs from the library's does
// not compile.
#define WALLCALC_FORWARD(ret, name, params, args)                                \
    ret name params {                                                            \
        static const auto real = reinterpret_cast<decltype(&name)>(Real(#name)); \
        return real args;                                                        \
    }

extern "C" {
WALLCALC_FORWARD(int, zip_close, (zip_t * z), (z))
WALLCALC_FORWARD(void, zip_discard, (zip_t * z), (z))
WALLCALC_FORWARD(void, zip_error_fini, (zip_error_t * e), (e))
WALLCALC_FORWARD(void, zip_error_init, (zip_error_t * e), (e))
WALLCALC_FORWARD(zip_int64_t, zip_file_add, (zip_t * z, const char* name, zip_source_t* s, zip_flags_t flags),
                 (z, name, s, flags))
WALLCALC_FORWARD(int, zip_file_set_dostime,
                 (zip_t * z, zip_uint64_t index, zip_uint16_t time, zip_uint16_t date, zip_flags_t flags),
                 (z, index, time, date, flags))
WALLCALC_FORWARD(zip_t*, zip_open_from_source, (zip_source_t * s, int flags, zip_error_t* e), (s, flags, e))
WALLCALC_FORWARD(int, zip_set_file_compression,
                 (zip_t * z, zip_uint64_t index, zip_int32_t method, zip_uint32_t level),
                 (z, index, method, level))
WALLCALC_FORWARD(zip_source_t*, zip_source_buffer,
                 (zip_t * z, const void* data, zip_uint64_t size, int freep), (z, data, size, freep))
WALLCALC_FORWARD(zip_source_t*, zip_source_buffer_create,
                 (const void* data, zip_uint64_t size, int freep, zip_error_t* e), (data, size, freep, e))
WALLCALC_FORWARD(int, zip_source_close, (zip_source_t * s), (s))
WALLCALC_FORWARD(void, zip_source_free, (zip_source_t * s), (s))
WALLCALC_FORWARD(void, zip_source_keep, (zip_source_t * s), (s))
WALLCALC_FORWARD(int, zip_source_open, (zip_source_t * s), (s))
WALLCALC_FORWARD(zip_int64_t, zip_source_read, (zip_source_t * s, void* data, zip_uint64_t size),
                 (s, data, size))
WALLCALC_FORWARD(int, zip_source_seek, (zip_source_t * s, zip_int64_t offset, int whence),
                 (s, offset, whence))
WALLCALC_FORWARD(zip_int64_t, zip_source_tell, (zip_source_t * s), (s))
WALLCALC_FORWARD(const char*, zip_strerror, (zip_t * z), (z))
}
