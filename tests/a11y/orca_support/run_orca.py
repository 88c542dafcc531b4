#!/usr/bin/python3
"""Starts Debian's Orca for a test: its debug file is written line by line (so a
test can read what Orca speaks while it runs), braille is off, and no other Orca
process is looked for or stopped (/usr/bin/orca would refuse to start beside one,
and its --replace kills them all).

usage: run_orca.py PREFS_DIR DEBUG_FILE
"""
import sys

prefs, log_path = sys.argv[1], sys.argv[2]
sys.argv = sys.argv[:1]

from orca import debug  # noqa: E402

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(log_path, "w", buffering=1)

from orca import orca  # noqa: E402

orca.getSettingsManager().activate(prefs, {"enableBraille": False})
sys.path.insert(0, prefs)  # where Orca looks for the speech server named in the settings
sys.exit(orca.main())
