"""Draw buffers through their UTF-8 exports, read the way the scripts read
them: ctypes records with the buffers' byte layouts, lists as (first, end,
end of storage) addresses, points as three floats."""
import ctypes
import unittest
from ctypes import c_float, c_int32

from lumo import native
from lumo.records import DrawList, ItemBuffer, Point, PointBuffer, SegmentBuffer


def address(record):
    return ctypes.addressof(record)


class DrawBufferExports(unittest.TestCase):
    def setUp(self):
        self.lib = native.load()

    def test_record_layouts_are_the_documented_ones(self):
        self.assertEqual(ctypes.sizeof(PointBuffer), 80)
        self.assertEqual(ctypes.sizeof(SegmentBuffer), 56)
        self.assertEqual(ctypes.sizeof(ItemBuffer), 40)
        self.assertEqual([PointBuffer.count.offset, PointBuffer.L点画.offset, PointBuffer.L点画2d.offset,
                          PointBuffer.艹点画.offset], [12, 16, 40, 64])
        self.assertEqual([SegmentBuffer.L段序L2线画.offset, SegmentBuffer.艹线画.offset], [16, 40])

    def test_segments_at_load(self):
        dest = SegmentBuffer()
        self.assertEqual(self.lib["巜画线"](address(dest)), address(dest))
        self.assertEqual(dest.count, -1)
        self.assertEqual(list(dest.艹线画), [0.0, 1.0, 1.0, 1.0])
        self.assertEqual(dest.L段序L2线画.items(), [])
        self.assertFalse(dest.L段序L2线画.first)

    def test_triangles_and_quads_at_load(self):
        for name in ("巜画厶", "巜画囗"):
            with self.subTest(name):
                dest = ItemBuffer(capacity=5)
                self.assertEqual(self.lib[name](address(dest)), address(dest))
                self.assertEqual((dest.count, dest.capacity), (-1, 5))
                self.assertEqual(dest.items.items(), [])

    def test_points_after_defining_three(self):
        self.lib["py_定义弓画数"](None, None, None, 3, 0, 0, 0)
        dest = PointBuffer(iSize点=42)
        self.assertEqual(self.lib["巜画点"](address(dest)), address(dest))
        self.assertEqual(dest.count, -1)
        self.assertEqual(dest.iSize点, 42, "the caller's capacity field is the caller's")
        zero = (0.0, 0.0, 0.0)
        self.assertEqual(dest.L点画.points(), [zero] * 3)
        self.assertEqual(dest.L点画2d.points(), [zero] * 3)
        self.assertEqual(list(dest.艹点画), [0.0, 1.0, 1.0, 1.0])

        first = dest.L点画.first
        self.lib["巜画点"](address(dest))
        self.assertEqual(dest.L点画.first, first, "copying again refills the same storage")
        other = PointBuffer()
        self.lib["巜画点"](address(other))
        self.assertNotEqual(other.L点画.first, first)

    def test_a_null_record_is_left_alone(self):
        for name in ("巜画点", "巜画线", "巜画厶", "巜画囗"):
            with self.subTest(name):
                self.assertIsNone(self.lib[name](None))

    def test_projection_hand_over_at_load(self):
        sentinel = -7.0
        segment_counts, quad_counts = (c_int32 * 2)(9, 9), (c_int32 * 2)(9, 9)
        segment_out, quad_out = (c_float * 8)(*[sentinel] * 8), (c_float * 8)(*[sentinel] * 8)
        segment_colour, quad_colour = (c_float * 4)(), (c_float * 4)()
        self.lib["下上画1丅一乛"](1, None, None, None, segment_counts, segment_out, segment_colour,
                              quad_counts, quad_out, quad_colour)
        self.assertEqual(list(segment_counts), [9, -1])
        self.assertEqual(list(quad_counts), [9, -1])
        self.assertEqual(list(segment_colour), [0.0, 1.0, 1.0, 1.0])
        self.assertEqual(list(quad_colour), [0.0, 1.0, 1.0, 1.0])
        self.assertEqual(list(segment_out), [sentinel] * 8, "no positions written")
        self.assertEqual(list(quad_out), [sentinel] * 8)

    def test_print_counter(self):
        self.assertEqual(self.lib["iΔ打印次数"](), 1)
        self.assertEqual(self.lib["py_定义L弓画数"](9, 0, 0, 0), 9)
        self.assertEqual(self.lib["iΔ打印次数"](), 1)
        self.lib["py_定义弓画数"](None, None, None, 0, 0, 0, 0)
        self.assertEqual(self.lib["iΔ打印次数"](), 1)

    def test_pair_count_after_reset(self):
        self.lib["〇画艹dr"]()
        out = c_int32(5)
        self.assertEqual(self.lib["凸下上丷画"](ctypes.byref(out), None), ctypes.addressof(out))
        self.assertEqual(out.value, -1)

    def test_segment_order_list_copies_the_callers_items(self):
        first = (Point * 2)(Point(1, 2, 3), Point(4, 5, 6))
        second = (Point * 1)(Point(7, 8, 9))
        items = (DrawList * 2)(DrawList(address(first), address(first) + 24, address(first) + 24),
                               DrawList(address(second), address(second) + 12, address(second) + 12))
        src = DrawList(address(items), address(items) + 48, address(items) + 48)
        value = c_int32(3)
        result = self.lib["巜L段序L2一一绑彡画G"](ctypes.byref(value), address(src))
        held = DrawList.from_address(result)
        self.assertEqual(held.items(), [[(1.0, 2.0, 3.0), (4.0, 5.0, 6.0)], [(7.0, 8.0, 9.0)]])
        self.assertNotEqual(held.first, address(items), "a copy, not the caller's storage")
        self.assertEqual(self.lib["巜L段序L2一一绑彡画G"](None, None), result)

    def test_no_effect_names_accept_any_arguments(self):
        for name in ("py_定义画数", "〇画", "下上圆画", "下上弓画", "下上画bl", "下上字画", "下上线画2d"):
            with self.subTest(name):
                self.assertIsNone(self.lib[name](1, 2, 3))
        dest = SegmentBuffer()
        self.lib["巜画线"](address(dest))
        self.assertEqual(dest.count, -1)


if __name__ == "__main__":
    unittest.main()
