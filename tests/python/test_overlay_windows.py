"""Window and image helpers through their UTF-8 exports, in the scripts' call
order, with results read back through the platform stand-in's inspection
functions.  Image files are generated here."""
import ctypes
import os
import tempfile
import unittest
from ctypes import c_char_p, c_int32, c_void_p

from console_capture import captured_stdout
from lumo import native
from lumo import platform as stand_in
from lumo.image_files import bmp_file, png_file
from lumo.platform import rgb
from lumo.records import BitmapInfo, PaintRecord, WindowClass

PINK = 10198015
SHOW_NORMAL = 1


class WindowHelpers(unittest.TestCase):
    def setUp(self):
        self.lib = native.load()
        self.platform = stand_in.load()
        self.platform.reset()
        self.directory = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.directory.cleanup()
        self.platform.reset()

    def path(self, name):
        return os.path.join(self.directory.name, name).encode("utf-8")

    def create_window(self, name, background=0, rect=(0, 0, 32, 16)):
        """(result, window handle, class record)."""
        record = WindowClass()
        instance, window, parent = c_void_p(), c_void_p(), c_void_p()
        result = self.lib["i注建窗口"](None, ctypes.byref(record), ctypes.byref(instance), ctypes.byref(window),
                                     ctypes.byref(parent), (c_int32 * 4)(*rect), name, 0, 0, 0, background, 0,
                                     SHOW_NORMAL)
        return result, window, record

    def test_record_layouts_are_the_documented_ones(self):
        self.assertEqual(ctypes.sizeof(WindowClass), 80)
        self.assertEqual(ctypes.sizeof(BitmapInfo), 32)
        self.assertEqual(PaintRecord.paint.offset, 12)

    def test_a_pink_background_class(self):
        result, window, record = self.create_window(b"Pink", background=0)
        self.assertEqual(result, 1)
        self.assertEqual(record.size, 80)
        self.assertEqual(self.platform.brush_style(record.background), stand_in.BRUSH_SOLID)
        self.assertEqual(self.platform.brush_colour(record.background), PINK)
        module = self.platform.module_handle()
        self.assertEqual(self.platform.class_background(module, b"PinkCls"), record.background)
        self.assertEqual(self.platform.window_pixel(window, 31, 15), PINK, "the window is painted with it")
        self.assertEqual(self.platform.window_show_command(window), SHOW_NORMAL)

    def test_stock_backgrounds(self):
        result, _, record = self.create_window(b"Stock", background=5)
        self.assertEqual(result, 1)
        self.assertEqual(self.platform.stock_index(record.background), 5)

    def test_a_null_name_gives_the_default_caption_and_class(self):
        result, window, record = self.create_window(None)
        self.assertEqual(result, 1)
        self.assertEqual(self.platform.caption(window), b"MyWind")
        self.assertEqual(self.platform.class_name(window), b"MyWindCls")
        self.assertEqual(record.class_name, b"MyWindCls")

    def test_registering_a_name_twice_fails(self):
        self.assertEqual(self.create_window(b"Twice")[0], 1)
        with captured_stdout() as out:
            result, window, _ = self.create_window(b"Twice")
        self.assertEqual(result, -1)
        self.assertIsNone(window.value)
        self.assertEqual(out.text, "★★ Twice:GetLastError = 1410\n")

    def test_a_missing_image_file(self):
        missing = self.path("missing.png")
        with captured_stdout() as out:
            bitmap = self.lib["hbmp图"](missing)
        self.assertIsNone(bitmap)
        self.assertEqual(out.text, "★载入贴图失败:%s,0\n" % missing.decode("utf-8"))

    def draw_image(self, path, window, x, y):
        """Runs 绘1图; (info, bitmap, window dc, memory dc)."""
        info = BitmapInfo()
        bitmap, window_dc, memory_dc = c_void_p(), c_void_p(), c_void_p()
        self.lib["绘1图"](ctypes.byref(c_char_p(path)), ctypes.byref(c_int32(x)), ctypes.byref(c_int32(y)),
                         ctypes.byref(info), ctypes.byref(bitmap), ctypes.byref(window_dc),
                         ctypes.byref(memory_dc), ctypes.byref(window))
        return info, bitmap, window_dc, memory_dc

    def test_an_image_file_is_blitted_pixel_for_pixel(self):
        pixels = [[(255, 0, 0), (0, 255, 0), (0, 0, 255)],
                  [(1, 2, 3), (250, 251, 252), (128, 64, 32)]]
        path = self.path("picture.bmp")
        with open(path, "wb") as file:
            file.write(bmp_file(3, 2, pixels))
        _, window, _ = self.create_window(b"Picture")
        with captured_stdout() as out:
            info, bitmap, window_dc, memory_dc = self.draw_image(path, window, 5, 4)
        self.assertIn("(int)hbmp位图__ 〔 hbmp位图__ =%d〕" % bitmap.value, out.text)
        self.assertEqual((info.width, info.height, info.bits_per_pixel), (3, 2, 32))
        for y, row in enumerate(pixels):
            for x, colour in enumerate(row):
                self.assertEqual(self.platform.window_pixel(window, 5 + x, 4 + y), rgb(*colour), (x, y))
        self.assertEqual(self.platform.window_pixel(window, 8, 4), PINK)
        self.assertEqual(self.platform.window_pixel(window, 4, 4), PINK)
        self.assertEqual(self.platform.object_kind(bitmap), stand_in.KIND_NONE, "the bitmap is deleted")
        self.assertEqual(self.platform.object_kind(memory_dc), stand_in.KIND_NONE)
        self.assertEqual(self.platform.object_kind(window_dc), stand_in.KIND_CONTEXT, "left with the caller")

    def test_a_translucent_png_lands_over_white(self):
        pixels = [[(255, 0, 0, 255), (0, 0, 255, 0)], [(0, 255, 0, 128), (10, 20, 30, 255)]]
        path = self.path("picture.png")
        with open(path, "wb") as file:
            file.write(png_file(2, 2, pixels))
        _, window, _ = self.create_window(b"Png")
        info, _, _, _ = self.draw_image(path, window, 0, 0)
        self.assertEqual((info.width, info.height), (2, 2))
        self.assertEqual(self.platform.window_pixel(window, 0, 0), rgb(255, 0, 0))
        self.assertEqual(self.platform.window_pixel(window, 1, 0), rgb(255, 255, 255))
        self.assertEqual(self.platform.window_pixel(window, 0, 1), rgb(127, 255, 127))
        self.assertEqual(self.platform.window_pixel(window, 1, 1), rgb(10, 20, 30))

    def test_filling_a_paint_rectangle_with_an_image(self):
        path = self.path("tile.bmp")
        with open(path, "wb") as file:
            file.write(bmp_file(2, 1, [[(9, 9, 9), (200, 100, 50)]]))
        _, window, _ = self.create_window(b"Tile")
        dc = c_void_p()
        self.assertEqual(self.lib["画字"](b"", ctypes.byref(c_int32(0)), ctypes.byref(c_int32(0)),
                                        ctypes.byref(window), ctypes.byref(dc), None, None), 1)
        paint = PaintRecord(dc=dc.value)
        paint.paint[:] = [0, 0, 4, 1]
        bitmap, brush = c_void_p(), c_void_p()
        self.assertTrue(self.lib["b图_囗"](path, ctypes.byref(paint), ctypes.byref(bitmap), ctypes.byref(brush)))
        self.assertEqual(self.platform.brush_style(brush), stand_in.BRUSH_PATTERN)
        self.assertEqual([self.platform.window_pixel(window, x, 0) for x in range(5)],
                         [rgb(9, 9, 9), rgb(200, 100, 50), rgb(9, 9, 9), rgb(200, 100, 50), PINK])
        self.assertTrue(self.lib["b图_囗"](self.path("missing.bmp"), ctypes.byref(paint), ctypes.byref(bitmap),
                                          ctypes.byref(brush)), "already loaded: nothing to do")

    def test_text_and_gradients(self):
        _, window, _ = self.create_window(b"Text", rect=(0, 0, 4, 10))
        dc = c_void_p()
        colour = (c_int32 * 3)(255, 0, 128)
        written = self.lib["画字"]("标题".encode("utf-8"), ctypes.byref(c_int32(2)), ctypes.byref(c_int32(3)),
                                 ctypes.byref(window), ctypes.byref(dc), colour, ctypes.byref(c_int32(1)))
        self.assertEqual(written, 1)
        self.assertEqual(self.platform.texts(window), [("标题".encode("utf-8"), (2, 3), rgb(255, 0, 128), 0xFFFFFF, 1)])

        self.lib["囗凷"](ctypes.byref(dc), (c_int32 * 4)(0, 0, 4, 10), None, None, None)
        self.assertEqual(self.platform.window_pixel(window, 0, 0), rgb(255, 242, 0), "yellow at the top")
        self.assertEqual(self.platform.window_pixel(window, 3, 9), rgb(255, 13, 0), "red at the bottom")


if __name__ == "__main__":
    unittest.main()
