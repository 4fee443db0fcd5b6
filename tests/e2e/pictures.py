"""Finding a picture the program drew (as quillboard-cli or the manual has it in a PNG) inside a
screenshot, pixel for pixel."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "install"))
import png_pixels  # noqa: E402


def png_rows(path):
    """(width, height, [row bytes]) of an RGB(A) PNG, alpha dropped."""
    width, height, rows = png_pixels.pixels(path)
    return width, height, [bytes(v for px in row for v in px) for row in rows]


def find_picture(image, picture, rows_needed=None):
    """Top-left of the first place where the picture's rows stand in the screenshot, exactly;
    only the first rows_needed rows are compared when given (a picture cut by its window)."""
    width, height, rows = picture
    rows_needed = min(rows_needed or height, height)
    stride = image.width * 3
    for x, y in image.places(rows[0]):
        if x + width > image.width or y + rows_needed > image.height:
            continue
        if all(image.data[(y + r) * stride + x * 3:(y + r) * stride + (x + width) * 3] == rows[r]
               for r in range(1, rows_needed)):
            return (x, y)
    return None


def render(bin_dir, form, lib, out, scale=1):
    """The form's picture as quillboard-cli draws it."""
    subprocess.run([os.path.join(bin_dir, "quillboard-cli"), "render", form, "--lib", str(lib),
                    "--scale", str(scale), "-o", out], check=True)
    return png_rows(out)
