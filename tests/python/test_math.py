"""工_q through its UTF-8 export name, as the scripts call it on a pose
channel's quaternion."""
import ctypes
import unittest

from lumo import native


def quaternion(*values):
    return (ctypes.c_float * 4)(*values)


class QuaternionNormalise(unittest.TestCase):
    def setUp(self):
        self.normalise = native.load()["工_q"]

    def test_returns_the_length_and_normalises_in_place(self):
        q = quaternion(0.0, 3.0, 0.0, 4.0)
        self.assertAlmostEqual(self.normalise(q), 5.0, places=6)
        for got, want in zip(q, (0.0, 0.6, 0.0, 0.8)):
            self.assertAlmostEqual(got, want, places=6)

    def test_zero_quaternion_becomes_half_turn_about_x(self):
        q = quaternion(0.0, 0.0, 0.0, 0.0)
        self.assertEqual(self.normalise(q), 0.0)
        self.assertEqual(list(q), [0.0, 1.0, 0.0, 0.0])

    def test_null_address_returns_zero(self):
        self.assertEqual(self.normalise(None), 0.0)


if __name__ == "__main__":
    unittest.main()
