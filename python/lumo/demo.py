"""A short tour of lumo_ik64 on a model-host scene.

Everything goes through the same UTF-8 export names the add-on's scripts use:
custom properties, the object hierarchy, viewport projection, the quaternion
helper, the draw buffers and the window and image helpers.
"""
import ctypes
import os
import tempfile
from ctypes import byref, c_char_p, c_float, c_int32, c_void_p

from lumo import host, native
from lumo import platform as stand_in
from lumo.image_files import bmp_file
from lumo.records import BitmapInfo, PointBuffer, SegmentBuffer, WindowClass


def floats(*values):
    return (c_float * len(values))(*values)


def fmt(values):
    return "(" + ", ".join(f"{v:.3f}" for v in values) + ")"


def rig_and_properties(lib, scene):
    print("== armature and custom properties")
    arm = scene.add_armature("Rig", [
        ("hip", (0, 0, 1), (0, 0, 1.5), 0.0, None, False),
        ("thigh", (0, 0, 1.5), (0, 0.2, 2.2), 0.0, "hip", True),
    ], active=True)
    thigh = scene.pose_channel(arm, "thigh")
    scene.add_props(thigh, {"lumo_IK": {"type": 3, "fp刚性": 0.5, "fvp3锚": [0.0, 0.0, 0.0]}})
    scene.add_props(arm, {"PoseBone": 1})
    _, head, tail = scene.read_pose(thigh)
    print(f"pose channel thigh: head {fmt(head)} tail {fmt(tail)}")
    for name, owner in (("lumo_IK", thigh), ("PoseBone", arm), ("lumo_IK", arm)):
        found = lib["卩属性"](name.encode(), scene.prop_holder(owner))
        print(f"卩属性({name!r}) on {'thigh' if owner == thigh else 'Rig'}: {found}")
    return arm, thigh


def hierarchy(lib, scene, arm):
    print("== object hierarchy")
    body = scene.add_object("Body", parent=arm)
    scene.add_object("Eyes", parent=body)
    hidden = scene.add_object("Shadow", parent=arm)
    scene.set_restrict(hidden, 1)
    lib["凷o"](scene.context)
    area = native.ResultList()
    lib["LoPushChild"](byref(area), arm, 1)
    names = [scene.object_name(obj) for obj in area.pointers()]
    print(f"LoPushChild(Rig, recursive) -> {names}")
    counts = (c_int32 * 2)()
    lib["显子数"](arm, scene.context, 0, counts)
    print(f"显子数(Rig) -> children {counts[0]}, shown {counts[1]}")
    print(f"i凷空o(Rig) -> {lib['i凷空o'](scene.context, arm)} (tables valid)")


def projection(lib, scene, region, point):
    print("== viewport projection")
    view = scene.perspective_view(region, (4.0, -9.0, 5.0), (0.0, 0.0, 1.5), lens=50.0)
    print(f"SetMain -> {lib['SetMain'](scene.context)} (3D view cached)")
    pixel = (c_float * 2)()
    lib["location_3d_to_region_2d凸"](region, view, floats(*point), pixel)
    print(f"thigh tail {fmt(point)} projects to pixel {fmt(pixel)}")
    scene.set_event_position(round(pixel[0]), round(pixel[1]))
    back = (c_float * 3)()
    lib["region_2d_to_location_3d"](scene.context, floats(*point), back, None, None)
    print(f"and that pixel, at the tail's depth, is back at {fmt(back)}")


def quaternion(lib):
    print("== quaternion")
    q = floats(2.0, 0.0, 0.0, 0.0)
    length = lib["工_q"](q)
    print(f"工_q((2, 0, 0, 0)) returned length {length:.3f}, normalised to {fmt(q)}")


def draw_buffers(lib):
    print("== draw buffers")
    lib["py_定义弓画数"](None, None, None, 3, 0, 0, 0)
    points = PointBuffer()
    lib["巜画点"](ctypes.addressof(points))
    print(f"巜画点 after defining 3 points: count {points.count}, points {points.L点画.points()}")
    segments = SegmentBuffer()
    lib["巜画线"](ctypes.addressof(segments))
    print(f"巜画线: count {segments.count}, colour {list(segments.艹线画)}")


def window_and_image(lib):
    print("== window and image helpers")
    platform = stand_in.load()
    record, instance, window, parent = WindowClass(), c_void_p(), c_void_p(), c_void_p()
    result = lib["i注建窗口"](None, byref(record), byref(instance), byref(window), byref(parent),
                            (c_int32 * 4)(0, 0, 16, 8), b"Demo", 0, 0, 0, 0, 0, 1)
    print(f"i注建窗口 -> {result}: caption {platform.caption(window)}, class {record.class_name}")
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "swatch.bmp").encode()
        with open(path, "wb") as file:
            file.write(bmp_file(2, 1, [[(255, 0, 0), (0, 0, 255)]]))
        info, bitmap, window_dc, memory_dc = BitmapInfo(), c_void_p(), c_void_p(), c_void_p()
        lib["绘1图"](byref(c_char_p(path)), byref(c_int32(3)), byref(c_int32(2)), byref(info), byref(bitmap),
                    byref(window_dc), byref(memory_dc), byref(window))
    pixels = [hex(platform.window_pixel(window, x, 2)) for x in (3, 4, 5)]
    print(f"绘1图 blitted a {info.width}x{info.height} image; window pixels at (3..5, 2): {pixels}")


def main():
    lib = native.load()
    print(f"loaded {lib.path}: {len(lib.names())} exports declared")
    with host.SceneBuilder() as scene:
        _, region = scene.add_view3d(0, 0, 800, 600)
        arm, thigh = rig_and_properties(lib, scene)
        hierarchy(lib, scene, arm)
        projection(lib, scene, region, scene.read_pose(thigh)[2])
        quaternion(lib)
        draw_buffers(lib)
        window_and_image(lib)
        lib["ΔΔ灬父子层级SLIB"]()


if __name__ == "__main__":
    main()
