# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening, as "DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags" gives it on
# Debian 12: a stack protector, checked string and memory functions, format-string checks, and
# read-only relocations bound at start-up in position-independent programs. The package is made
# from these builds, and lintian looks for each of them.
# Not with the sanitizers: ASan replaces the very functions _FORTIFY_SOURCE checks.
option(KELVARIN_HARDENING "Build with Debian's hardening flags" ON)

if(KELVARIN_HARDENING AND NOT KELVARIN_SANITIZE)
    include(CheckPIESupported)
    check_pie_supported()
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # _FORTIFY_SOURCE needs the optimizer, and warns without it.
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
