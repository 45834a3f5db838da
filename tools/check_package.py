#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a built Debian package as an operator's machine would receive it:
its fields and dependencies, its files, the desktop entry, the AppStream
metainfo and the manual page, one version everywhere, and that the program
unpacked from it starts from its desktop entry's Exec under Xvfb, shows its
icon and closes cleanly.

Usage: tools/check_package.py vectrin_VERSION-1_ARCH.deb
"""
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))

import vectrin_e2e as e2e  # noqa: E402

ID = "org.vectrin.vectrin"
FILES = [
    "usr/bin/vectrin",
    "usr/share/applications/%s.desktop" % ID,
    "usr/share/metainfo/%s.metainfo.xml" % ID,
    "usr/share/icons/hicolor/scalable/apps/vectrin.svg",
    "usr/share/man/man1/vectrin.1",
    "usr/share/doc/vectrin/README.md",
    "usr/share/doc/vectrin/LICENSE",
    "usr/share/doc/vectrin/CHANGELOG.md",
    "usr/share/doc/vectrin/docs/guide.md",
] + ["usr/share/icons/hicolor/%dx%d/apps/vectrin.png" % (n, n)
     for n in (16, 22, 24, 32, 48, 64, 128, 256)]
DEPENDS = ["libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
           "libqt6serialport6", "libxcb1", "qt6-qpa-plugins", "fonts-liberation2"]


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True, check=True).stdout


def check_fields(deb, version):
    fields = dict(re.findall(r"^ ?([A-Za-z-]+): (.*)$", run("dpkg-deb", "--info", deb), re.M))
    e2e.check(fields.get("Package") == "vectrin", "package name %r" % fields.get("Package"))
    e2e.check(fields.get("Version") == version + "-1", "package version %r" % fields.get("Version"))
    depends = [d.split()[0] for d in fields.get("Depends", "").split(", ")]
    missing = [d for d in DEPENDS if d not in depends]
    e2e.check(not missing, "Depends %r lacks %s" % (fields.get("Depends"), missing))


def check_files(tree):
    missing = [f for f in FILES if not os.path.isfile(os.path.join(tree, f))]
    e2e.check(not missing, "missing from the package: %s" % missing)
    images = os.listdir(os.path.join(tree, "usr/share/doc/vectrin/docs/images"))
    e2e.check(len(images) >= 3, "the guide's pictures: %s" % images)
    stray = [d for d in os.listdir(tree) if d not in ("usr", "DEBIAN")]
    e2e.check(not stray, "outside /usr: %s" % stray)


def check_metadata(tree, version):
    run("desktop-file-validate", os.path.join(tree, FILES[1]))
    run("appstreamcli", "validate-tree", "--no-net", "--pedantic", tree)
    with open(os.path.join(tree, FILES[2])) as f:
        release = re.search(r'<release version="([^"]+)"', f.read()).group(1)
    e2e.check(release == version, "newest release in the metainfo %s, program %s"
              % (release, version))
    with open(os.path.join(tree, FILES[7])) as f:
        e2e.check(re.search(r"^## (\S+)", f.read(), re.M).group(1) == version,
                  "the changelog's newest entry is not %s" % version)
    man = subprocess.run(["groff", "-man", "-ww", "-z", os.path.join(tree, FILES[4])],
                         capture_output=True, text=True)
    e2e.check(man.returncode == 0 and not man.stderr, "manual page: %s" % man.stderr)
    with open(os.path.join(tree, FILES[4])) as f:
        e2e.check('"vectrin %s"' % version in f.read(), "manual page version")


def check_start(tree):
    """Starts the program as the menu does: the desktop entry's Exec, found on
    a PATH that holds the unpacked /usr/bin."""
    with open(os.path.join(tree, FILES[1])) as f:
        command = shlex.split(re.search(r"^Exec=(.*)$", f.read(), re.M).group(1))
    bin_dir = os.path.join(tree, "usr", "bin")
    program = shutil.which(command[0], path=bin_dir)
    e2e.check(program, "Exec=%s is not in the package's /usr/bin" % command[0])
    e2e.check(len(command) == 1, "Exec=%s: the menu starts the program without arguments"
              % " ".join(command))
    with e2e.Session(program) as s:
        s.env["PATH"] = bin_dir + os.pathsep + s.env["PATH"]
        s.start()
        # openbox gives a window without an icon a 48 x 48 one of its own
        icon = s.x("xprop", "-id", str(s.window), "_NET_WM_ICON")
        e2e.check("Icon (16 x 16)" in icon, "the window does not show the program's icon")
        s.close_window()
        e2e.check(s.wait_exit() == 0, "the program did not end cleanly")
        e2e.check(os.path.exists(s.settings_path), "no settings file written at the close")


def main():
    deb = sys.argv[1]
    with tempfile.TemporaryDirectory() as tree:
        run("dpkg-deb", "--extract", deb, tree)
        version = run(os.path.join(tree, FILES[0]), "--version").split()[-1]
        check_fields(deb, version)
        check_files(tree)
        check_metadata(tree, version)
        check_start(tree)
    print("%s: %s, %d bytes, checked" % (os.path.basename(deb), version, os.path.getsize(deb)))


if __name__ == "__main__":
    main()
