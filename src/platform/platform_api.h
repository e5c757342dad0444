// The platform stand-in is a shared library of its own (liblumo_platform.so),
// the way the system libraries it stands in for are: the library and its tests
// share one instance of its state, and tests and scripts can inspect windows
// and bitmaps through it without the library exporting anything extra.
#pragma once

#define LUMO_PLATFORM_API __attribute__((visibility("default")))
