"""Small image-file encoders (BMP, PNG) for tests and the demo."""
import struct
import zlib


def bmp_file(width, height, pixels):
    """A 24-bit bottom-up BMP of (r, g, b) rows, top row first."""
    stride = (width * 3 + 3) // 4 * 4
    rows = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        rows += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(info) + len(rows), 0, 0, 14 + len(info)) + info + rows


def png_file(width, height, pixels):
    """An 8-bit RGBA PNG of (r, g, b, a) rows, top row first."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) +
            chunk(b"IEND", b""))
