/* Model host: plays the host application for tests, the demo and benchmarks.
 *
 * It creates and owns main databases and everything in them (scenes, view
 * layers, bases, objects, armatures, pose channels, windows, screens, areas,
 * regions, contexts) in the host layouts of src/host/host_types.h, answers
 * context queries through the host's callbacks, and evaluates poses the way
 * the host does.  Everything created for a main is freed with hm_main_free.
 *
 * The library never includes this header; it is the stage, not the actor. */
#ifndef LUMO_HOSTMODEL_H
#define LUMO_HOSTMODEL_H

#if defined(__cplusplus)
#include "host/host_types.h"
#define HM_API extern "C" __attribute__((visibility("default")))
#else
typedef struct Main Main;
typedef struct Scene Scene;
typedef struct ViewLayer ViewLayer;
typedef struct Base Base;
typedef struct Object Object;
typedef struct Bone Bone;
typedef struct bPoseChannel bPoseChannel;
typedef struct wmWindow wmWindow;
typedef struct bScreen bScreen;
typedef struct ScrArea ScrArea;
typedef struct ARegion ARegion;
typedef struct bContext bContext;
#define HM_API __attribute__((visibility("default")))
#endif

/* Main databases ---------------------------------------------------------- */
HM_API Main* hm_main_new(const char* file_path);
HM_API void hm_main_free(Main* main);

/* Scenes and view layers -------------------------------------------------- */
HM_API Scene* hm_scene_new(Main* main, const char* name); /* no view layer yet */
HM_API void hm_scene_set_frames(Scene* scene, int start, int end, int current);
HM_API ViewLayer* hm_view_layer_new(Scene* scene, const char* name, int render_flag);
HM_API Base* hm_view_layer_link(ViewLayer* layer, Object* object);
HM_API void hm_view_layer_set_active(ViewLayer* layer, Base* base); /* null: no active base */
HM_API void hm_base_set_selected(Base* base, int selected);

/* Objects ------------------------------------------------------------------ */
/* type: 0 empty, 1 mesh, 25 armature; an armature gets its data and an empty pose. */
HM_API Object* hm_object_new(Main* main, const char* name, int type);
HM_API void hm_object_set_parent(Object* object, Object* parent, int parent_type);
HM_API void hm_object_set_matrix(Object* object, const float matrix[16]);
HM_API void hm_object_set_users(Object* object, int users);
HM_API void hm_object_set_restrict(Object* object, int restrict_flags);

/* Armatures and poses ------------------------------------------------------- */
/* Adds a bone given in armature space, and its pose channel.  parent_name may
 * be null.  Rest matrix (arm_mat) and length are derived at once. */
HM_API Bone* hm_armature_add_bone(Object* armature, const char* name, const float head[3], const float tail[3],
                                  float roll, const char* parent_name, int connected);
HM_API void hm_bone_set_selected(Bone* bone, int selected);
HM_API void hm_armature_set_active_bone(Object* armature, const char* name);
HM_API bPoseChannel* hm_pose_channel(Object* armature, const char* name);
/* rotation_mode: 0 quaternion, 1..6 Euler orders XYZ..ZYX.  Null arrays keep the value. */
HM_API void hm_pose_channel_set_transform(bPoseChannel* channel, const float location[3], const float quaternion[4],
                                          const float euler[3], const float scale[3], int rotation_mode);
/* Recomputes channel matrices, pose matrices, heads and tails, roots first. */
HM_API void hm_pose_evaluate(Object* armature);
HM_API void hm_pose_channel_read(const bPoseChannel* channel, float pose_matrix[16], float head[3], float tail[3]);

/* Windows, screens, areas, regions ------------------------------------------ */
HM_API wmWindow* hm_window_new(Main* main, Scene* scene, const char* view_layer_name);
HM_API bScreen* hm_window_screen(wmWindow* window);
HM_API ScrArea* hm_area_new(bScreen* screen, int space_type);
/* A region of an area; x, y is its lower-left corner in window pixels. */
HM_API ARegion* hm_region_new(ScrArea* area, int region_type, int x, int y, int width, int height);
/* The host's draw pass: clears every redraw request and counts it per region. */
HM_API void hm_draw(Main* main);
HM_API int hm_region_redraw_count(const ARegion* region);

/* Contexts ------------------------------------------------------------------ */
/* The context's screen is the window's screen; area and region start empty. */
HM_API bContext* hm_context_new(Main* main, Scene* scene, wmWindow* window);
HM_API void hm_context_set_area(bContext* C, ScrArea* area, ARegion* region);
/* Adds a store entry (type 0 pointer, 1 collection); later entries win. */
HM_API void hm_context_store_set(bContext* C, const char* member, void* pointer, int type);

#endif
