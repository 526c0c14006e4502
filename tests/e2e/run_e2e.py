#!/usr/bin/env python3
"""Runs every tests/e2e/test_*.py against build/win/Falvex.exe."""
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
import harness  # noqa: E402

suite = unittest.defaultTestLoader.discover(str(Path(__file__).parent), pattern="test_*.py")
result = unittest.TextTestRunner(verbosity=2).run(suite)
if harness.E2ETest.desktop:
    harness.E2ETest.desktop.close()
sys.exit(0 if result.wasSuccessful() else 1)
