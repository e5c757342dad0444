"""The model host from Python: a small builder for scenes the way the add-on
finds them in the host application (objects, armatures, windows, contexts).

The model host library is found through LUMO_HOSTMODEL_LIBRARY, else in the
build directory.  Addresses are plain ints, exactly what the add-on passes to
the library.
"""
import ctypes
import os
from ctypes import POINTER, c_char_p, c_float, c_int, c_void_p

from lumo import host_mesh, host_props, host_views
from lumo.native import REPOSITORY

OB_EMPTY, OB_MESH, OB_ARMATURE = 0, 1, 25
SPACE_VIEW3D, SPACE_IMAGE, SPACE_NODE = 1, 6, 16
RGN_TYPE_WINDOW = 0

c_float_p = POINTER(c_float)

# name: (result type, argument types) of the model host's C API.
SIGNATURES = {
    "hm_main_new": (c_void_p, [c_char_p]),
    "hm_main_free": (None, [c_void_p]),
    "hm_scene_new": (c_void_p, [c_void_p, c_char_p]),
    "hm_scene_set_frames": (None, [c_void_p, c_int, c_int, c_int]),
    "hm_view_layer_new": (c_void_p, [c_void_p, c_char_p, c_int]),
    "hm_view_layer_link": (c_void_p, [c_void_p, c_void_p]),
    "hm_view_layer_set_active": (None, [c_void_p, c_void_p]),
    "hm_base_set_selected": (None, [c_void_p, c_int]),
    "hm_object_new": (c_void_p, [c_void_p, c_char_p, c_int]),
    "hm_object_set_parent": (None, [c_void_p, c_void_p, c_int]),
    "hm_object_set_matrix": (None, [c_void_p, c_float_p]),
    "hm_object_set_users": (None, [c_void_p, c_int]),
    "hm_object_set_restrict": (None, [c_void_p, c_int]),
    "hm_armature_add_bone": (c_void_p, [c_void_p, c_char_p, c_float_p, c_float_p, c_float, c_char_p, c_int]),
    "hm_bone_set_selected": (None, [c_void_p, c_int]),
    "hm_armature_set_active_bone": (None, [c_void_p, c_char_p]),
    "hm_pose_channel": (c_void_p, [c_void_p, c_char_p]),
    "hm_pose_channel_set_transform": (None, [c_void_p, c_float_p, c_float_p, c_float_p, c_float_p, c_int]),
    "hm_pose_evaluate": (None, [c_void_p]),
    "hm_pose_channel_read": (None, [c_void_p, c_float_p, c_float_p, c_float_p]),
    "hm_window_new": (c_void_p, [c_void_p, c_void_p, c_char_p]),
    "hm_window_screen": (c_void_p, [c_void_p]),
    "hm_area_new": (c_void_p, [c_void_p, c_int]),
    "hm_region_new": (c_void_p, [c_void_p, c_int, c_int, c_int, c_int, c_int]),
    "hm_draw": (None, [c_void_p]),
    "hm_region_redraw_count": (c_int, [c_void_p]),
    "hm_context_new": (c_void_p, [c_void_p, c_void_p, c_void_p]),
    "hm_context_set_area": (None, [c_void_p, c_void_p, c_void_p]),
    "hm_context_store_set": (None, [c_void_p, c_char_p, c_void_p, c_int]),
}


def floats(*values):
    """A C float array holding the values."""
    return (c_float * len(values))(*values)


def utf8(text):
    return text.encode("utf-8") if isinstance(text, str) else text


class ModelHost:
    """The loaded model host library with declared signatures."""

    def __init__(self, path=None):
        path = path or os.environ.get("LUMO_HOSTMODEL_LIBRARY") or str(
            REPOSITORY / "build" / "hostmodel" / "libhostmodel.so")
        self.dll = ctypes.CDLL(path)
        signatures = dict(SIGNATURES)
        for part in (host_props, host_mesh, host_views):
            signatures.update(part.SIGNATURES)
        for name, (result, arguments) in signatures.items():
            function = getattr(self.dll, name)
            function.restype = result
            function.argtypes = arguments
            setattr(self, name, function)


_model = None


def model():
    global _model
    if _model is None:
        _model = ModelHost()
    return _model


class SceneBuilder(host_props.PropsBuilding, host_mesh.MeshBuilding, host_views.ViewsBuilding):
    """A main database with one scene, one view layer, a window with a screen,
    and a context on them.  Call free() (or use it as a context manager) to
    release everything."""

    def __init__(self, scene_name="Scene", file_path="untitled.blend", view_layer="ViewLayer"):
        self.hm = model()
        self.main = self.hm.hm_main_new(utf8(file_path))
        self.scene = self.hm.hm_scene_new(self.main, utf8(scene_name))
        self.view_layer = self.hm.hm_view_layer_new(self.scene, utf8(view_layer), 0)
        self.window = self.hm.hm_window_new(self.main, self.scene, utf8(view_layer))
        self.screen = self.hm.hm_window_screen(self.window)
        self.context = self.hm.hm_context_new(self.main, self.scene, self.window)
        self.bases = {}
        self.names = {}

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.free()

    def free(self):
        if self.main:
            self.hm.hm_main_free(self.main)
            self.main = None

    def add_object(self, name, object_type=OB_EMPTY, active=False, parent=None):
        obj = self.hm.hm_object_new(self.main, utf8(name), object_type)
        base = self.hm.hm_view_layer_link(self.view_layer, obj)
        self.bases[obj] = base
        self.names[obj] = name
        if active:
            self.hm.hm_view_layer_set_active(self.view_layer, base)
        if parent:
            self.hm.hm_object_set_parent(obj, parent, 0)
        return obj

    def object_name(self, obj):
        """The name an object of this builder was created with."""
        return self.names.get(obj)

    def add_armature(self, name, bones, active=False):
        """bones: (name, head, tail, roll, parent name or None, connected)
        tuples in armature space, parents before children."""
        arm = self.add_object(name, OB_ARMATURE, active)
        for bone_name, head, tail, roll, parent, connected in bones:
            self.hm.hm_armature_add_bone(arm, utf8(bone_name), floats(*head), floats(*tail), roll,
                                         utf8(parent) if parent else None, 1 if connected else 0)
        return arm

    def pose_channel(self, armature, name):
        return self.hm.hm_pose_channel(armature, utf8(name))

    def read_pose(self, channel):
        """(pose matrix rows, head, tail) of a pose channel."""
        matrix, head, tail = (c_float * 16)(), (c_float * 3)(), (c_float * 3)()
        self.hm.hm_pose_channel_read(channel, matrix, head, tail)
        return [list(matrix[i * 4:i * 4 + 4]) for i in range(4)], list(head), list(tail)

    def add_view3d(self, x=0, y=0, width=800, height=600):
        """A 3D-view area with its main region; the context points at them."""
        area = self.hm.hm_area_new(self.screen, SPACE_VIEW3D)
        region = self.hm.hm_region_new(area, RGN_TYPE_WINDOW, x, y, width, height)
        self.hm.hm_context_set_area(self.context, area, region)
        return area, region
