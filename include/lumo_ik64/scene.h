/* Object hierarchy, selection and visibility, scene change detection, and the
 * 3D-view projections.
 *
 * The library keeps three process-wide tables about the open file: each
 * object's base per scene, objects by name, and each parent's child list (with
 * links to the children's own lists, so descendants can be walked).  They fill
 * lazily on first use, are patched by 十1o / 一1o / 链1o, rebuilt by 重凷o and
 * by the stale checks, and emptied by ΔΔ灬父子层级SLIB.  An object is invalid
 * (deleted, or not an object) when its user count is below 1, its type code
 * exceeds 30, its interaction mode exceeds 100 or its restriction byte exceeds
 * 20; invalid objects are never entered into the tables.
 *
 * Call order: SetMain(context) once per file; iDiffMain / iDiffScene when the
 * scripts suspect a new file or scene; the table exports in any order.
 *
 * Null host addresses never crash: each export names its failure result;
 * reported ones show the "assertion failure" box with the condition given. */
#ifndef LUMO_IK64_SCENE_H
#define LUMO_IK64_SCENE_H

#include "lumo_ik64/export.h"

/* --- change detection ----------------------------------------------------- */

/* SetMain — records the context and takes main, scene, window and view layer
 * from it (each only when non-null); returns b凷rv3d(context, 1).  Null
 * context: 0, nothing changes. */
LUMO_EXPORT int32_t SetMain(bContext* context);

/* iDiffMain — 1 when the context's main database differs from the current one
 * (the current host pointers and the 3D-view cache are then refreshed), else
 * 0.  Null context or a context without main: 0. */
LUMO_EXPORT int32_t iDiffMain(bContext* context);

/* iDiffScene — with a current scene: 1 when the context's scene differs (the
 * pointers are refreshed), 0 when it is the same or absent.  Without a current
 * scene: takes the context's scene, main and window; −1, or 0 when the context
 * has no window.  Null context: 0. */
LUMO_EXPORT int32_t iDiffScene(bContext* context);

/* --- hierarchy tables ------------------------------------------------------ */

/* 凷Base — fills the object-to-base and name tables from every scene of the
 * current main; rebuild ≠ 0 empties them first, else only missing entries are
 * added.  Returns 1 when a main was walked, else 0. */
LUMO_EXPORT int32_t 凷Base(bContext* context, uint8_t rebuild);

/* Δ检查重填Mo物baceG — 1 when the object has a base entry for the context's
 * scene, otherwise rebuilds the base table and returns 1 when it has one now,
 * else 0 (also for a null object or a context without scene). */
LUMO_EXPORT int32_t Δ检查重填Mo物baceG(Object* object, bContext* context);

/* 凷o — builds every parent's child list for every scene of the main (new main:
 * emptied first; empty table: base tables rebuilt first).  Returns 0. */
LUMO_EXPORT int32_t 凷o(bContext* context);

/* 重凷o — empties the child lists, rebuilds the base tables, then 凷o.  0. */
LUMO_EXPORT int32_t 重凷o(bContext* context);

/* 十1o — registers the object's children (recursively, from the context's
 * scene) and links it into its parent's list; on an empty table runs 凷o
 * instead.  Null object: nothing. */
LUMO_EXPORT void 十1o(Object* object, bContext* context);

/* 一1o — removes the object's entry from its parent's list and the object's
 * own child list; returns the number of child lists removed (0 or 1).  0 for a
 * null object, an object without parent or an empty table. */
LUMO_EXPORT int32_t 一1o(Object* object, Scene* scene);

/* 链1o — appends an object with a parent to its parent's list and links the
 * parent upward (building the tables first when empty). */
LUMO_EXPORT void 链1o(Object* object, bContext* context);

/* i凷空o — makes sure the tables can be trusted for the object:
 *   0  null context, or the table was empty and has just been built;
 *   2  the object's descendants are all valid (an object without child list
 *      is registered with 十1o first);
 *  −1  an invalid descendant was found, or no object was given: prints
 *      "要RefillChild·◆ 〔 b有无效物 =<0|1>〕 ...", rebuilds every table. */
LUMO_EXPORT int32_t i凷空o(bContext* context, Object* object);

/* i凷空1场o — the same for one scene: 0 for a null scene or when the scene's
 * tables have just been filled; 2 when valid; −1 after the refill line, with
 * the invalid entries removed and missing parent lists of the scene re-added. */
LUMO_EXPORT int32_t i凷空1场o(Scene* scene, Object* object);

/* iΔ有无效物pare — 1 when the object's descendants in the table include an
 * invalid object, else 0 (also for an empty table or no child list). */
LUMO_EXPORT int32_t iΔ有无效物pare(Object* object);

/* ΔΔ灬父子层级SLIB — prints "ΔΔ灬父子层级SLIB  size=<parents>  " and empties
 * all three tables. */
LUMO_EXPORT void ΔΔ灬父子层级SLIB(void);

/* Mo父LpareG巜 — the address of the child-list table, to pass to
 * PTMoLpareBaseG凸.  Its layout is the library's own. */
LUMO_EXPORT void* Mo父LpareG巜(void);

/* PTMoLpareBaseG凸 — prints the child-list table three levels deep.  Any
 * address other than Mo父LpareG巜() is reported and nothing is read. */
LUMO_EXPORT void PTMoLpareBaseG凸(const void* table);

/* --- lists of objects -------------------------------------------------------
 * The result area receives (first, end, capacity end) of a list of Object*
 * allocated by the library; it is never freed by the library.  The area's
 * previous bytes are only overwritten (an area holding a list from an earlier
 * call may have that storage reused).  Both return the area. */

/* LoPushChild — the parent's children in table order; recursive ≠ 0: each
 * child followed by its descendants (depth first).  Null parent or no child
 * list: an empty list. */
LUMO_EXPORT LumoResultList* LoPushChild(LumoResultList* result, Object* parent, uint8_t recursive);

/* selected_objects — the selected objects of the context's view layer, in
 * base order.  Null context: an empty list. */
LUMO_EXPORT LumoResultList* selected_objects(LumoResultList* result, bContext* context);

/* --- selection and visibility ---------------------------------------------- */

/* 显子数 — out[0] = the parent's children in every scene of the main, out[1] =
 * those not hidden in the viewport (a child in several scenes counts once per
 * scene).  The int argument is not used.  Null parent ("o父 二二 ψ0"), context
 * ("C 二二 ψ0") or out ("out 二二 ψ0") is reported; out is then untouched. */
LUMO_EXPORT void 显子数(Object* parent, bContext* context, int32_t unused, int32_t out[2]);

/* 隐显o属性 — mode 1 shows, any other hides, through the object's "ip隐显o"
 * and "ip仌" custom ints; apply_self: the object, recursive: all its
 * descendants.  Null object: reported ("o 二二 ψ0"). */
LUMO_EXPORT void 隐显o属性(Object* object, bContext* context, int32_t mode, uint8_t apply_self, uint8_t recursive);

/* 隐显o — does nothing. */
LUMO_EXPORT void 隐显o(Object* object, bContext* context, int32_t a, int32_t b);

/* LinkO — requests a redraw of the 3D views; nothing is linked.  Null object:
 * reported ("o 二二 ψ0"). */
LUMO_EXPORT void LinkO(bContext* context, Object* object, Base* base);

/* UnlinkO — removes the first base of the context scene's legacy base list
 * (without freeing it) and requests a redraw of the 3D views. */
LUMO_EXPORT void UnlinkO(bContext* context, Object* object);

/* oΔ另1物体指针 — the int custom property "oA" of the ID; without it prints
 * "C__oΔΔ返回物体指针没有idp找" and returns 0. */
LUMO_EXPORT int32_t oΔ另1物体指针(ID* id);

/* Θ — selects or unhides an object and its children in the context's scene.
 * render_hidden_only ≠ 0 forces unhide to 0 and unhides only objects hidden for
 * render.  unhide clears the viewport and selection restrictions; otherwise the
 * base is selected (unless selection is restricted).  self: the object itself;
 * recursive: every descendant; self without recursive: the direct children
 * (unhide or select only).  Returns the number of 3D-view regions tagged for
 * redraw when redraw ≠ 0, else 0.  Null object or context: reported, 0. */
LUMO_EXPORT int32_t Θ(Object* object, bContext* context, int32_t recursive, int32_t self, uint8_t unhide,
                      uint8_t render_hidden_only, uint8_t redraw);

/* --- scene values ----------------------------------------------------------- */

/* i1属性 / i〇属性 — set the context scene's int "ip属性检测s" to 1 / 0 and return
 * 1; −1 when it is missing or negative (nothing created or written); −2 for a
 * null context.  i属性检测 — its value, −1 when missing or negative, −2 for a
 * null context.  Each makes the context's scene current. */
LUMO_EXPORT int32_t i1属性(bContext* context);
LUMO_EXPORT int32_t i〇属性(bContext* context);
LUMO_EXPORT int32_t i属性检测(bContext* context);

/* o_f16 — copies the world matrix of the object whose address is stored at
 * `holder` into out (16 floats, host row order).  Nothing for null. */
LUMO_EXPORT void o_f16(Object* const* holder, float out[16]);

/* --- 3D views and projection ----------------------------------------------- */

/* b凷rv3d — caches the main region of the first 3D view of the context's screen
 * and its view record (refresh ≠ 0, or nothing cached yet).  true when a region
 * is cached; otherwise prints " 》》b凷rv3d ,★ regionG 二二 ψ0". */
LUMO_EXPORT bool b凷rv3d(bContext* context, uint8_t refresh);

/* region_2d_to_location_3d — the world point under the mouse (window event
 * position minus the cached region's lower-left corner) at the depth of
 * `depth`: on the view plane through depth (perspective) or the ray point
 * nearest to depth (orthographic).  Writes the mouse to out_mouse, the point to
 * out and the view's up axis to out_up, each when given.  Without a cached view,
 * a window or a sized region the point is depth itself, with a console line. */
LUMO_EXPORT void region_2d_to_location_3d(bContext* context, const float depth[3], float out[3], float out_up[3],
                                          int32_t out_mouse[2]);

/* region_2d_to_vector_3d — the normalised view direction under the mouse, with
 * the context's region and view when the context is in a 3D view's main
 * region, else the cached ones; (0, 0, 0) without a view. */
LUMO_EXPORT void region_2d_to_vector_3d(bContext* context, float out[3]);

/* location_3d_to_region_2d凸 — region pixels of a world point:
 * v = (in, 1) · perspective matrix, out = (w/2 + w/2·v.x/v.w, h/2 + h/2·v.y/v.w).
 * Returns 4.  A point that cannot be projected — at or behind the eye plane
 * (v.w ≤ 0), a non-finite result, or a null region, view or point — writes
 * (−1000000, −1000000), far outside any region, and returns 0. */
LUMO_EXPORT int32_t location_3d_to_region_2d凸(const ARegion* region, const RegionView3D* view, const float in[3],
                                              float out[2]);

/* Δ鼠镜位 — the view ray's origin under `mouse` (the context's mouse when null)
 * with the given clamp, and the view inverse (16 floats), each written when its
 * output is given; nothing without a cached view. */
LUMO_EXPORT void Δ鼠镜位(bContext* context, const int32_t mouse[2], float out_origin[3], float out_view_inverse[16],
                         float clamp);

/* Δ载入v2dUVLIB / Δ载入v2d节点LIB — cache the main region and 2-D view of an
 * image editor in UV mode / of a node editor showing a "tarvo_nodes" tree
 * (refresh ≠ 0 or nothing cached).  A context without screen is reported
 * ("screen 二二 ψ0"). */
LUMO_EXPORT void Δ载入v2dUVLIB(bContext* context, uint8_t refresh);
LUMO_EXPORT void Δ载入v2d节点LIB(bContext* context, uint8_t refresh);

#endif
