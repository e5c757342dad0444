/* Model host, views part: 3D views with perspective or orthographic projection
 * attached to regions, window event positions, region rectangles, image spaces
 * (UV editor) and node spaces, the scene's legacy base list, and the object
 * and base flags the hierarchy and selection operations read and write.
 *
 * 3D views follow the host's conventions: the view inverse has rows X (right),
 * Y (up), Z (from the target towards the eye) and the eye position; the view
 * matrix is its inverse; the window matrix is the usual clip-space projection
 * in the row layout; the perspective matrix is the view matrix followed by the
 * window matrix (a point goes (p, 1) · viewmat · winmat), and its inverse. */
#ifndef LUMO_HOSTMODEL_VIEWS_H
#define LUMO_HOSTMODEL_VIEWS_H

#include "hostmodel.h"

#if !defined(__cplusplus)
typedef struct RegionView3D RegionView3D;
typedef struct SpaceImage SpaceImage;
typedef struct SpaceNode SpaceNode;
typedef struct bNodeTree bNodeTree;
#endif

/* 3D views ------------------------------------------------------------------ */
/* Sets (creating when absent) the region's view record.  Perspective: lens in
 * millimetres on a 36 mm sensor fitted to the region's larger side.
 * Orthographic: ortho_scale is the extent of the larger side in world units.
 * up must not be parallel to target − eye.  Null on bad input. */
HM_API RegionView3D* hm_view3d_perspective(ARegion* region, const float eye[3], const float target[3],
                                           const float up[3], float lens, float clip_start, float clip_end);
HM_API RegionView3D* hm_view3d_orthographic(ARegion* region, const float eye[3], const float target[3],
                                            const float up[3], float ortho_scale, float clip_start, float clip_end);
/* Marks the view as looking through the scene camera (persp mode 2), keeping
 * its projection; camera 0 restores the projection's own mode. */
HM_API void hm_view3d_set_camera(RegionView3D* view, int camera);
HM_API RegionView3D* hm_region_view3d(const ARegion* region);
/* The model's own projection of a point to region pixels (double precision);
 * 1 when the point is in front of the eye, else 0 and out untouched. */
HM_API int hm_view3d_project(const ARegion* region, const float point[3], float out[2]);
/* The view's matrices, 16 floats each in host order; null outputs are skipped. */
HM_API void hm_view3d_matrices(const RegionView3D* view, float viewmat[16], float viewinv[16], float winmat[16],
                               float persmat[16], float persinv[16]);

/* Regions and windows ------------------------------------------------------ */
HM_API void hm_region_set_rect(ARegion* region, int x, int y, int width, int height);
HM_API void hm_window_set_event_position(wmWindow* window, int x, int y);

/* Image and node spaces ---------------------------------------------------- */
/* Adds an image space (made the area's active space) in the given mode (3: UV). */
HM_API SpaceImage* hm_image_space_new(ScrArea* area, int mode);
HM_API bNodeTree* hm_node_tree_new(Main* main, const char* name, const char* tree_type);
/* Adds a node space showing tree_type and the tree (made the area's active space). */
HM_API SpaceNode* hm_node_space_new(ScrArea* area, const char* tree_type, bNodeTree* tree);

/* Scene, objects and bases ------------------------------------------------- */
/* Appends a base for the object to the scene's legacy base list. */
HM_API Base* hm_scene_legacy_base_new(Scene* scene, Object* object);
HM_API int hm_scene_legacy_base_count(const Scene* scene);
HM_API void hm_base_set_flag(Base* base, int flag);
HM_API int hm_base_flag(const Base* base);
HM_API int hm_object_restrict(const Object* object);
HM_API int hm_object_base_flag(const Object* object);
HM_API void hm_object_set_flag(Object* object, int flag);
HM_API int hm_object_flag(const Object* object);
HM_API void hm_object_set_mode(Object* object, int mode);
HM_API void hm_object_set_type(Object* object, int type);
/* Deletes an object the way the host does: its bases leave every view layer
 * and legacy list of the main, its user count drops to 0, and its memory stays
 * (so stale pointers to it can be detected, as in the host until a purge). */
HM_API void hm_object_delete(Object* object);

#endif
