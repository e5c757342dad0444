"""Model-host building for 3D views, image and node spaces, window event positions,
legacy bases and the object/base flags the selection operations use."""
from ctypes import POINTER, c_char_p, c_float, c_int, c_void_p

c_float_p = POINTER(c_float)
SPACE_IMAGE, SPACE_NODE = 6, 16
RGN_TYPE_WINDOW = 0
SI_MODE_UV = 3

# name: (result type, argument types) of this part of the model host's C API.
SIGNATURES = {
    "hm_view3d_perspective": (c_void_p, [c_void_p, c_float_p, c_float_p, c_float_p, c_float, c_float, c_float]),
    "hm_view3d_orthographic": (c_void_p, [c_void_p, c_float_p, c_float_p, c_float_p, c_float, c_float, c_float]),
    "hm_view3d_set_camera": (None, [c_void_p, c_int]),
    "hm_region_view3d": (c_void_p, [c_void_p]),
    "hm_view3d_project": (c_int, [c_void_p, c_float_p, c_float_p]),
    "hm_view3d_matrices": (None, [c_void_p, c_float_p, c_float_p, c_float_p, c_float_p, c_float_p]),
    "hm_region_set_rect": (None, [c_void_p, c_int, c_int, c_int, c_int]),
    "hm_window_set_event_position": (None, [c_void_p, c_int, c_int]),
    "hm_image_space_new": (c_void_p, [c_void_p, c_int]),
    "hm_node_tree_new": (c_void_p, [c_void_p, c_char_p, c_char_p]),
    "hm_node_space_new": (c_void_p, [c_void_p, c_char_p, c_void_p]),
    "hm_scene_legacy_base_new": (c_void_p, [c_void_p, c_void_p]),
    "hm_scene_legacy_base_count": (c_int, [c_void_p]),
    "hm_base_set_flag": (None, [c_void_p, c_int]),
    "hm_base_flag": (c_int, [c_void_p]),
    "hm_object_restrict": (c_int, [c_void_p]),
    "hm_object_base_flag": (c_int, [c_void_p]),
    "hm_object_set_flag": (None, [c_void_p, c_int]),
    "hm_object_flag": (c_int, [c_void_p]),
    "hm_object_set_mode": (None, [c_void_p, c_int]),
    "hm_object_set_type": (None, [c_void_p, c_int]),
    "hm_object_delete": (None, [c_void_p]),
}


def _floats(values):
    return (c_float * len(values))(*values)


class ViewsBuilding:
    """SceneBuilder methods for 3D views, image and node spaces, window event positions."""

    def perspective_view(self, region, eye, target, up=(0, 0, 1), lens=50.0, clip=(0.1, 1000.0)):
        """Gives the region a perspective 3D view (lens in mm on a 36 mm sensor)."""
        view = self.hm.hm_view3d_perspective(region, _floats(eye), _floats(target), _floats(up), lens, *clip)
        if not view:
            raise ValueError("no perspective view for these parameters")
        return view

    def orthographic_view(self, region, eye, target, up=(0, 0, 1), scale=10.0, clip=(-100.0, 100.0)):
        """Gives the region an orthographic 3D view spanning `scale` units on its larger side."""
        view = self.hm.hm_view3d_orthographic(region, _floats(eye), _floats(target), _floats(up), scale, *clip)
        if not view:
            raise ValueError("no orthographic view for these parameters")
        return view

    def set_camera_view(self, view, camera=True):
        self.hm.hm_view3d_set_camera(view, 1 if camera else 0)

    def project(self, region, point):
        """The model host's own projection of a point to region pixels, or None behind the eye."""
        out = (c_float * 2)()
        return tuple(out) if self.hm.hm_view3d_project(region, _floats(point), out) else None

    def view_matrices(self, view):
        """(viewmat, viewinv, winmat, persmat, persinv), each as four rows."""
        outs = [(c_float * 16)() for _ in range(5)]
        self.hm.hm_view3d_matrices(view, *outs)
        return [[list(m[i * 4:i * 4 + 4]) for i in range(4)] for m in outs]

    def set_event_position(self, x, y, window=None):
        """The window's last event position in window pixels."""
        self.hm.hm_window_set_event_position(window or self.window, x, y)

    def move_region(self, region, x, y, width, height):
        self.hm.hm_region_set_rect(region, x, y, width, height)

    def add_uv_editor(self, mode=SI_MODE_UV, x=0, y=0, width=400, height=400):
        """An image-editor area (its active space in `mode`) with its main region."""
        area = self.hm.hm_area_new(self.screen, SPACE_IMAGE)
        region = self.hm.hm_region_new(area, RGN_TYPE_WINDOW, x, y, width, height)
        space = self.hm.hm_image_space_new(area, mode)
        return area, region, space

    def add_node_editor(self, tree_type="tarvo_nodes", tree_name="NodeTree", shown_type=None,
                        x=0, y=0, width=400, height=400):
        """A node-editor area showing a new tree of tree_type (the space's shown type
        defaults to the tree's)."""
        tree = self.hm.hm_node_tree_new(self.main, tree_name.encode("utf-8"), tree_type.encode("utf-8"))
        area = self.hm.hm_area_new(self.screen, SPACE_NODE)
        region = self.hm.hm_region_new(area, RGN_TYPE_WINDOW, x, y, width, height)
        shown = (shown_type or tree_type).encode("utf-8")
        self.hm.hm_node_space_new(area, shown, tree)
        return area, region, tree

    def add_legacy_base(self, obj):
        return self.hm.hm_scene_legacy_base_new(self.scene, obj)

    def legacy_base_count(self):
        return self.hm.hm_scene_legacy_base_count(self.scene)

    def delete_object(self, obj):
        """Deletes an object as the host does; its memory stays with a user count of 0."""
        self.hm.hm_object_delete(obj)

    def set_users(self, obj, users):
        self.hm.hm_object_set_users(obj, users)

    def set_restrict(self, obj, flags):
        self.hm.hm_object_set_restrict(obj, flags)

    def restrict(self, obj):
        return self.hm.hm_object_restrict(obj)

    def base_flag(self, obj):
        return self.hm.hm_base_flag(self.bases[obj])
