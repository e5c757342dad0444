/* Export conventions of lumo_ik64.
 *
 * Every export has C linkage and an undecorated UTF-8 name.  Results are a
 * 32-bit int, a one-byte bool, a 32-bit float or an address, as the name's
 * leading mark says (i, b, f; o/m3/…G for addresses).  Arguments are host
 * addresses (never freed by the library), caller-owned arrays, 32-bit ints,
 * bytes used as booleans and 32-bit floats.  No export takes or hands over
 * ownership of memory, and none throws. */
#ifndef LUMO_IK64_EXPORT_H
#define LUMO_IK64_EXPORT_H

#include <stdint.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

#if defined(_WIN32)
#define LUMO_VISIBLE __declspec(dllexport)
#else
#define LUMO_VISIBLE __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#define LUMO_EXPORT extern "C" LUMO_VISIBLE
#else
#define LUMO_EXPORT LUMO_VISIBLE
#endif

/* Host structures are opaque to callers: they pass the host's own addresses. */
typedef struct bContext bContext;
typedef struct Main Main;
typedef struct Scene Scene;
typedef struct ViewLayer ViewLayer;
typedef struct Base Base;
typedef struct Object Object;
typedef struct bPoseChannel bPoseChannel;
typedef struct Mesh Mesh;
typedef struct ID ID;
typedef struct IDProperty IDProperty;
typedef struct ARegion ARegion;
typedef struct RegionView3D RegionView3D;

/* A result area: 24 caller-provided bytes that receive a list allocated by the
 * library as (first, end, end of storage) addresses.  The library never frees
 * the storage it hands over this way. */
typedef struct LumoResultList {
  void* first;
  void* end;
  void* capacity_end;
} LumoResultList;

#endif
