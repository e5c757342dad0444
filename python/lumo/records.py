"""ctypes records whose byte layouts are part of the export interface: the
draw buffers the scripts copy out, and the window and bitmap records of the
window and image helpers."""
import ctypes
from ctypes import c_char_p, c_float, c_int32, c_uint8, c_uint16, c_uint32, c_void_p

from lumo.native import ResultList


class Point(ctypes.Structure):
    _fields_ = [("x", c_float), ("y", c_float), ("z", c_float)]


class DrawList(ResultList):
    """A list inside a draw record: (first, end, end of storage) addresses."""

    def points(self):
        """The points the list holds, as tuples."""
        if not self.first:
            return []
        count = (self.end - self.first) // ctypes.sizeof(Point)
        return [(p.x, p.y, p.z) for p in (Point * count).from_address(self.first)]

    def items(self):
        """The item lists the list holds, each as a list of point tuples."""
        if not self.first:
            return []
        count = (self.end - self.first) // ctypes.sizeof(DrawList)
        return [item.points() for item in (DrawList * count).from_address(self.first)]


class PointBuffer(ctypes.Structure):  # 卍点画
    _fields_ = [("name", c_char_p), ("iSize点", c_int32), ("count", c_int32), ("L点画", DrawList),
                ("L点画2d", DrawList), ("艹点画", c_float * 4)]


class SegmentBuffer(ctypes.Structure):  # 卍线画
    _fields_ = [("name", c_char_p), ("iSize线", c_int32), ("count", c_int32), ("L段序L2线画", DrawList),
                ("艹线画", c_float * 4)]


class ItemBuffer(ctypes.Structure):  # 卍厶画, 卍囗画
    _fields_ = [("name", c_char_p), ("capacity", c_int32), ("count", c_int32), ("items", DrawList)]


class WindowClass(ctypes.Structure):  # the extended window-class record
    _fields_ = [("size", c_uint32), ("style", c_uint32), ("window_proc", c_void_p), ("class_extra", c_int32),
                ("window_extra", c_int32), ("instance", c_void_p), ("icon", c_void_p), ("cursor", c_void_p),
                ("background", c_void_p), ("menu_name", c_void_p), ("class_name", c_char_p),
                ("small_icon", c_void_p)]


class BitmapInfo(ctypes.Structure):
    _fields_ = [("type", c_int32), ("width", c_int32), ("height", c_int32), ("width_bytes", c_int32),
                ("planes", c_uint16), ("bits_per_pixel", c_uint16), ("bits", c_void_p)]


class PaintRecord(ctypes.Structure):
    _fields_ = [("dc", c_void_p), ("erase", c_int32), ("paint", c_int32 * 4), ("restore", c_int32),
                ("incremental", c_int32), ("reserved", c_uint8 * 32)]
