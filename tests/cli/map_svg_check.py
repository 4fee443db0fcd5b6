#!/usr/bin/env python3
"""quillboard-cli map -o MAP.svg on the manual's three-form project: the file is well-formed
XML (an XML parser of its own reads it), with one image per thumbnail (three forms and the
dialog a button shows), one path per link (three buttons and a pop-up list on Main, two
buttons on Edit, one on Setup), and each form's image the render picture of its file.

Usage: map_svg_check.py QUILLBOARD_CLI FORMS_DIR
"""

import base64
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "install"))
from png_pixels import pixels  # noqa: E402

SVG = "{http://www.w3.org/2000/svg}"
FORMS = ["pt-map-main.qbf", "pt-map-edit.qbf", "pt-map-setup.qbf"]


def main(cli, forms_dir):
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        project = os.path.join(tmp, "notes.qbp")
        with open(project, "w", newline="\r\n") as out:
            out.write("[Project]\nLib=2\n\n[ActiveForms]\n")
            for i, form in enumerate(FORMS):
                out.write(f"Form{i}={os.path.abspath(os.path.join(forms_dir, form))}\n")
            out.write("\n[Code]\nFirstForm=Main\n")
        svg = os.path.join(tmp, "map.svg")
        run = subprocess.run([cli, "map", project, "-o", svg, "--scale", "2"],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(f"map exited {run.returncode}: {run.stderr}")
            return 1
        root = ET.parse(svg).getroot()
        if root.tag != SVG + "svg":
            failures.append(f"root element {root.tag}")
        images = root.findall(f".//{SVG}image")
        paths = [p for p in root.iter(SVG + "path")]
        if len(images) != 4:
            failures.append(f"{len(images)} images, expected 4")
        if len(paths) != 7:
            failures.append(f"{len(paths)} paths, expected 7")
        decoded = []
        for n, image in enumerate(images):
            href = image.get("href", "")
            prefix = "data:image/png;base64,"
            if not href.startswith(prefix):
                failures.append(f"image {n} is not an embedded PNG")
                continue
            name = os.path.join(tmp, f"image{n}.png")
            with open(name, "wb") as out:
                out.write(base64.b64decode(href[len(prefix):], validate=True))
            w, h, rows = pixels(name)
            if (str(w), str(h)) != (image.get("width"), image.get("height")):
                failures.append(f"image {n} is {w} x {h}, placed as "
                                f"{image.get('width')} x {image.get('height')}")
            decoded.append(rows)
        for form in FORMS:
            rendered = os.path.join(tmp, form + ".png")
            subprocess.run([cli, "render", os.path.join(forms_dir, form), "--lib", "2",
                            "--scale", "2", "-o", rendered], check=True)
            if pixels(rendered)[2] not in decoded:
                failures.append(f"no image is the render picture of {form}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
