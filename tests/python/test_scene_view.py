"""Projections through the exports: a 3D point projected to region pixels and
turned back at its own depth lands on itself, in perspective and orthographic
views of a region that is not at the window's corner."""
import ctypes
import math
import unittest

from lumo import host, native

EYE, TARGET, UP = (4.0, -9.0, 5.0), (0.0, 0.0, 1.0), (0.0, 0.0, 1.0)
REGION_X, REGION_Y, WIDTH, HEIGHT = 120, 40, 800, 600
LENS, ORTHO_SCALE = 50.0, 12.0
POINTS = [(0.0, 0.0, 1.0), (1.3, 2.1, 0.2), (-2.0, 1.0, 3.0), (0.7, -3.0, 2.5)]


def floats(values):
    return (ctypes.c_float * len(values))(*values)


def distance(a, b):
    return math.sqrt(sum((x - y) ** 2 for x, y in zip(a, b)))


class RoundTrip(unittest.TestCase):
    def setUp(self):
        self.lib = native.load()
        self.scene = host.SceneBuilder()
        self.area, self.region = self.scene.add_view3d(REGION_X, REGION_Y, WIDTH, HEIGHT)

    def tearDown(self):
        self.scene.free()

    def pixel_size(self, point, perspective):
        """World size of one pixel at the point's depth."""
        if not perspective:
            return ORTHO_SCALE / WIDTH
        axis = [e - t for e, t in zip(EYE, TARGET)]
        norm = math.sqrt(sum(a * a for a in axis))
        depth = sum((e - p) * a / norm for e, p, a in zip(EYE, point, axis))
        return 2 * depth * (18.0 / LENS) / WIDTH

    def round_trip(self, view, perspective):
        lib, s = self.lib, self.scene
        self.assertEqual(lib["SetMain"](s.context), 1, "the 3D view is cached")
        for point in POINTS:
            with self.subTest(point=point, perspective=perspective):
                pixel = (ctypes.c_float * 2)()
                self.assertEqual(lib["location_3d_to_region_2d凸"](self.region, view, floats(point), pixel), 4)
                own = s.project(self.region, point)  # the model host's own projection
                self.assertAlmostEqual(own[0], pixel[0], places=3)
                self.assertAlmostEqual(own[1], pixel[1], places=3)
                s.set_event_position(REGION_X + round(pixel[0]), REGION_Y + round(pixel[1]))
                back, up, mouse = (ctypes.c_float * 3)(), (ctypes.c_float * 3)(), (ctypes.c_int32 * 2)()
                lib["region_2d_to_location_3d"](s.context, floats(point), back, up, mouse)
                self.assertEqual(list(mouse), [round(pixel[0]), round(pixel[1])])
                # Whole pixels: at most half a pixel off in each direction.
                self.assertLessEqual(distance(back, point), 0.75 * self.pixel_size(point, perspective) + 1e-4)

    def test_perspective(self):
        view = self.scene.perspective_view(self.region, EYE, TARGET, UP, lens=LENS, clip=(0.1, 100.0))
        self.round_trip(view, True)

    def test_orthographic(self):
        view = self.scene.orthographic_view(self.region, EYE, TARGET, UP, scale=ORTHO_SCALE, clip=(-50.0, 50.0))
        self.round_trip(view, False)

    def test_a_point_behind_the_eye_is_not_projected(self):
        view = self.scene.perspective_view(self.region, EYE, TARGET, UP, lens=LENS)
        behind = [2 * e - t for e, t in zip(EYE, TARGET)]
        pixel = (ctypes.c_float * 2)(1, 1)
        self.assertEqual(self.lib["location_3d_to_region_2d凸"](self.region, view, floats(behind), pixel), 0)
        self.assertEqual(list(pixel), [-1000000.0, -1000000.0], "far outside, not mirrored into the view")
        self.assertIsNone(self.scene.project(self.region, behind))


if __name__ == "__main__":
    unittest.main()
