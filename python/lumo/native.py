"""Loads lumo_ik64 and declares every export's signature from one table.

The add-on's scripts bind exports by their UTF-8 names; so does this module.
The library is found through LUMO_IK_LIBRARY, else in the build directory.
"""
import ctypes
import os
import pathlib
from ctypes import POINTER, c_bool, c_char_p, c_float, c_int32, c_uint8, c_void_p

REPOSITORY = pathlib.Path(__file__).resolve().parents[2]

# A result area: 24 bytes that receive a list the library allocates.
class ResultList(ctypes.Structure):
    _fields_ = [("first", c_void_p), ("end", c_void_p), ("capacity_end", c_void_p)]

    def pointers(self):
        """The addresses the list holds, in order."""
        if not self.first:
            return []
        count = (self.end - self.first) // ctypes.sizeof(c_void_p)
        return list((c_void_p * count).from_address(self.first))


c_float_p = POINTER(c_float)
c_int32_p = POINTER(c_int32)

# name: (result type, argument types).  Sections follow the subsystems.
EXPORTS = {
    # --- export boundary ---
    "停止仌": (None, [c_uint8]),
    "卩泄漏": (None, []),
    # --- math ---
    "工_q": (c_float, [c_float_p]),
    # --- property store ---
    "卩属性": (c_int32, [c_char_p, c_void_p]),
    # --- scene, hierarchy and view ---
    "SetMain": (c_int32, [c_void_p]),
    "iDiffMain": (c_int32, [c_void_p]),
    "iDiffScene": (c_int32, [c_void_p]),
    "凷Base": (c_int32, [c_void_p, c_uint8]),
    "Δ检查重填Mo物baceG": (c_int32, [c_void_p, c_void_p]),
    "凷o": (c_int32, [c_void_p]),
    "重凷o": (c_int32, [c_void_p]),
    "十1o": (None, [c_void_p, c_void_p]),
    "一1o": (c_int32, [c_void_p, c_void_p]),
    "链1o": (None, [c_void_p, c_void_p]),
    "i凷空o": (c_int32, [c_void_p, c_void_p]),
    "i凷空1场o": (c_int32, [c_void_p, c_void_p]),
    "iΔ有无效物pare": (c_int32, [c_void_p]),
    "ΔΔ灬父子层级SLIB": (None, []),
    "Mo父LpareG巜": (c_void_p, []),
    "PTMoLpareBaseG凸": (None, [c_void_p]),
    "LoPushChild": (POINTER(ResultList), [POINTER(ResultList), c_void_p, c_uint8]),
    "selected_objects": (POINTER(ResultList), [POINTER(ResultList), c_void_p]),
    "显子数": (None, [c_void_p, c_void_p, c_int32, c_int32_p]),
    "隐显o属性": (None, [c_void_p, c_void_p, c_int32, c_uint8, c_uint8]),
    "隐显o": (None, [c_void_p, c_void_p, c_int32, c_int32]),
    "LinkO": (None, [c_void_p, c_void_p, c_void_p]),
    "UnlinkO": (None, [c_void_p, c_void_p]),
    "oΔ另1物体指针": (c_int32, [c_void_p]),
    "Θ": (c_int32, [c_void_p, c_void_p, c_int32, c_int32, c_uint8, c_uint8, c_uint8]),
    "i1属性": (c_int32, [c_void_p]),
    "i〇属性": (c_int32, [c_void_p]),
    "i属性检测": (c_int32, [c_void_p]),
    "o_f16": (None, [POINTER(c_void_p), c_float_p]),
    "b凷rv3d": (c_bool, [c_void_p, c_uint8]),
    "region_2d_to_location_3d": (None, [c_void_p, c_float_p, c_float_p, c_float_p, c_int32_p]),
    "region_2d_to_vector_3d": (None, [c_void_p, c_float_p]),
    "location_3d_to_region_2d凸": (c_int32, [c_void_p, c_void_p, c_float_p, c_float_p]),
    "Δ鼠镜位": (None, [c_void_p, c_int32_p, c_float_p, c_float_p, c_float]),
    "Δ载入v2dUVLIB": (None, [c_void_p, c_uint8]),
    "Δ载入v2d节点LIB": (None, [c_void_p, c_uint8]),
    # --- draw buffers, windows and images ---
    # Records are passed by address (ctypes.byref or an address); handles are
    # addresses held in the caller's c_void_p variables.
    "巜画点": (c_void_p, [c_void_p]),
    "巜画线": (c_void_p, [c_void_p]),
    "巜画厶": (c_void_p, [c_void_p]),
    "巜画囗": (c_void_p, [c_void_p]),
    "巜L段序L2一一绑彡画G": (c_void_p, [c_int32_p, c_void_p]),
    "下上画1丅一乛": (None, [c_int32, c_float_p, c_void_p, c_void_p, c_int32_p, c_float_p, c_float_p,
                         c_int32_p, c_float_p, c_float_p]),
    "凸下上丷画": (c_void_p, [c_int32_p, c_void_p]),
    "py_定义弓画数": (None, [c_void_p, c_void_p, c_void_p, c_int32, c_int32, c_int32, c_int32]),
    "py_定义L弓画数": (c_int32, [c_int32, c_int32, c_int32, c_int32]),
    "py_定义画数2d": (None, [c_int32]),
    "凸定义画圆数": (None, [c_int32]),
    "〇画艹dr": (None, []),
    "〇画dr": (None, [c_int32]),
    "iΔ打印次数": (c_int32, []),
    "py_定义画数": (None, []),
    "〇画": (None, []),
    "下上圆画": (None, []),
    "下上弓画": (None, []),
    "下上画bl": (None, []),
    "下上字画": (None, []),
    "下上线画2d": (None, []),
    "i注建窗口": (c_int32, [c_void_p, c_void_p, POINTER(c_void_p), POINTER(c_void_p), POINTER(c_void_p), c_int32_p,
                        c_char_p, ctypes.c_uint32, ctypes.c_uint32, ctypes.c_uint32, c_int32, c_int32, c_int32]),
    "hbmp图": (c_void_p, [c_char_p]),
    "绘1图": (None, [POINTER(c_char_p), c_int32_p, c_int32_p, c_void_p, POINTER(c_void_p), POINTER(c_void_p),
                    POINTER(c_void_p), POINTER(c_void_p)]),
    "b图_囗": (c_bool, [c_char_p, c_void_p, POINTER(c_void_p), POINTER(c_void_p)]),
    "画字": (c_int32, [c_char_p, c_int32_p, c_int32_p, POINTER(c_void_p), POINTER(c_void_p), c_int32_p, c_int32_p]),
    "囗凷": (None, [POINTER(c_void_p), c_int32_p, POINTER(ctypes.c_uint32), c_float_p, c_int32_p]),
}


def library_path():
    configured = os.environ.get("LUMO_IK_LIBRARY")
    if configured:
        return configured
    return str(REPOSITORY / "build" / "liblumo_ik64.so")


class Native:
    """The loaded library; exports are reached as native["名"](...)."""

    def __init__(self, path=None):
        self.path = path or library_path()
        self.dll = ctypes.CDLL(self.path)
        self._functions = {}
        for name, (result, arguments) in EXPORTS.items():
            function = self.dll[name]
            function.restype = result
            function.argtypes = arguments
            self._functions[name] = function

    def __getitem__(self, name):
        return self._functions[name]

    def names(self):
        return list(self._functions)


_loaded = None


def load():
    """The process-wide instance (the library keeps process-wide state)."""
    global _loaded
    if _loaded is None:
        _loaded = Native()
    return _loaded
