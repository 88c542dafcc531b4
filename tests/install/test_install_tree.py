#!/usr/bin/env python3
"""`cmake --install` of a build into a prefix and into a DESTDIR staging folder: each
tree holds the expected files and its bin/numora finds the pictures, and so does the
first tree after it has been moved to another folder."""

import os
import shutil
import tempfile

import installed
from installed import check


def add_arguments(parser):
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--build", required=True, help="build tree to install")
    parser.add_argument("--source", required=True)
    parser.add_argument("--artifacts", required=True)


def test(args):
    tmp = tempfile.mkdtemp(prefix="numora-install-")
    try:
        prefix = os.path.join(tmp, "prefix")
        installed.run([args.cmake, "--install", args.build, "--prefix", prefix])
        installed.check_layout(prefix, args.source)
        installed.run_installed(prefix, args.source, args.artifacts, "install_prefix")

        # Staged as a package build does it: for /usr, under DESTDIR, nothing outside.
        stage = os.path.join(tmp, "stage")
        installed.run([args.cmake, "--install", args.build, "--prefix", "/usr"],
                      env=dict(os.environ, DESTDIR=stage))
        check(os.listdir(stage) == ["usr"], "DESTDIR holds %r besides usr/" % os.listdir(stage))
        installed.check_layout(os.path.join(stage, "usr"), args.source)
        installed.run_installed(os.path.join(stage, "usr"), args.source, args.artifacts, "install_destdir")

        moved = os.path.join(tmp, "elsewhere", "numora-moved")
        os.makedirs(os.path.dirname(moved))
        os.rename(prefix, moved)
        installed.run_installed(moved, args.source, args.artifacts, "install_moved")
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    installed.main(test, add_arguments)
