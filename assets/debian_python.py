"""Debian's python3-* packages are seen only by Debian's own interpreter; a
python3 from pyenv or a venv earlier on PATH does not see them."""

import os
import sys

DEBIAN_PYTHON = "/usr/bin/python3"


def rerun_or_exit(package):
    """Runs the script again under Debian's interpreter, or explains which
    package to install when that is the interpreter already."""
    if os.path.exists(DEBIAN_PYTHON) and os.path.realpath(sys.executable) != os.path.realpath(DEBIAN_PYTHON):
        os.execv(DEBIAN_PYTHON, [DEBIAN_PYTHON, *sys.argv])
    sys.exit(f"{os.path.basename(sys.argv[0])} needs {package}: apt-get install {package}")
