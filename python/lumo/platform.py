"""The platform stand-in (liblumo_platform.so) seen from Python: its plain C
inspection functions read what the window and image helpers left behind
(classes, windows and their pixels and text runs, brushes, bitmaps).

The library is found through LUMO_PLATFORM_LIBRARY, else next to the library
native.py loads, so both share one instance of the stand-in's state.
Colours are 0x00BBGGRR values.
"""
import ctypes
import os
import pathlib
from ctypes import POINTER, c_char_p, c_int, c_int32, c_uint, c_uint32, c_void_p

from lumo import native

NO_PIXEL = 0xFFFFFFFF
KIND_NONE, KIND_WINDOW, KIND_CONTEXT, KIND_BITMAP, KIND_BRUSH, KIND_ICON = range(6)
BRUSH_NONE, BRUSH_SOLID, BRUSH_PATTERN, BRUSH_HOLLOW = range(4)

c_int32_p = POINTER(c_int32)
c_uint32_p = POINTER(c_uint32)

# name: (result type, argument types) of the inspection API.
SIGNATURES = {
    "lumo_platform_reset": (None, []),
    "lumo_platform_last_error": (c_uint32, []),
    "lumo_platform_module_handle": (c_void_p, []),
    "lumo_platform_object_kind": (c_int, [c_void_p]),
    "lumo_platform_object_count": (c_int, [c_int]),
    "lumo_platform_class_exists": (c_int, [c_void_p, c_char_p]),
    "lumo_platform_class_style": (c_uint32, [c_void_p, c_char_p]),
    "lumo_platform_class_background": (c_void_p, [c_void_p, c_char_p]),
    "lumo_platform_class_icon": (c_void_p, [c_void_p, c_char_p, c_int]),
    "lumo_platform_class_menu": (ctypes.c_size_t, [c_void_p, c_char_p]),
    "lumo_platform_window_caption": (c_int, [c_void_p, c_char_p, c_int]),
    "lumo_platform_window_class_name": (c_int, [c_void_p, c_char_p, c_int]),
    "lumo_platform_window_geometry": (c_int, [c_void_p, c_int32_p]),
    "lumo_platform_window_style": (c_uint32, [c_void_p]),
    "lumo_platform_window_parent": (c_void_p, [c_void_p]),
    "lumo_platform_window_instance": (c_void_p, [c_void_p]),
    "lumo_platform_window_show_command": (c_int, [c_void_p]),
    "lumo_platform_window_updated": (c_int, [c_void_p]),
    "lumo_platform_window_pixel": (c_uint32, [c_void_p, c_int32, c_int32]),
    "lumo_platform_window_text_count": (c_int, [c_void_p]),
    "lumo_platform_window_text": (c_int, [c_void_p, c_int, c_char_p, c_int, c_int32_p, c_uint32_p, c_int32_p]),
    "lumo_platform_brush_style": (c_int, [c_void_p]),
    "lumo_platform_brush_colour": (c_uint32, [c_void_p]),
    "lumo_platform_brush_pattern_pixel": (c_uint32, [c_void_p, c_int32, c_int32]),
    "lumo_platform_stock_index": (c_int, [c_void_p]),
    "lumo_platform_bitmap_size": (c_int, [c_void_p, c_int32_p]),
    "lumo_platform_bitmap_pixel": (c_uint32, [c_void_p, c_int32, c_int32]),
    "lumo_platform_icon_resource": (c_uint, [c_void_p]),
}


def rgb(red, green, blue):
    """A colour value from its components."""
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16


def library_path():
    configured = os.environ.get("LUMO_PLATFORM_LIBRARY")
    if configured:
        return configured
    return str(pathlib.Path(native.library_path()).with_name("liblumo_platform.so"))


class Platform:
    """The loaded stand-in; inspection functions are its attributes."""

    def __init__(self, path=None):
        self.path = path or library_path()
        self.dll = ctypes.CDLL(self.path)
        for name, (result, arguments) in SIGNATURES.items():
            function = self.dll[name]
            function.restype = result
            function.argtypes = arguments
            setattr(self, name[len("lumo_platform_"):], function)

    def _text(self, reader, *arguments):
        length = reader(*arguments, None, 0)
        if length < 0:
            return None
        buffer = ctypes.create_string_buffer(length + 1)
        reader(*arguments, buffer, length + 1)
        return buffer.raw[:length]

    def caption(self, window):
        """The window's caption as bytes; None for no window."""
        return self._text(self.window_caption, window)

    def class_name(self, window):
        return self._text(self.window_class_name, window)

    def geometry(self, window):
        """(x, y, width, height), or None for no window."""
        out = (c_int32 * 4)()
        return tuple(out) if self.window_geometry(window, out) else None

    def bitmap_dimensions(self, bitmap):
        out = (c_int32 * 2)()
        return tuple(out) if self.bitmap_size(bitmap, out) else None

    def texts(self, window):
        """[(text bytes, (x, y), text colour, background colour, mode)] of the window's text runs."""
        runs = []
        for index in range(self.window_text_count(window)):
            position, colours, mode = (c_int32 * 2)(), (c_uint32 * 2)(), c_int32()
            length = self.window_text(window, index, None, 0, position, colours, ctypes.byref(mode))
            buffer = ctypes.create_string_buffer(length + 1)
            self.window_text(window, index, buffer, length + 1, None, None, None)
            runs.append((buffer.raw[:length], tuple(position), colours[0], colours[1], mode.value))
        return runs


_loaded = None


def load():
    """The process-wide instance (it shares the library's state)."""
    global _loaded
    if _loaded is None:
        _loaded = Platform()
    return _loaded
