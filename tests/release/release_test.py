#!/usr/bin/env python3
"""Runs release tests by name (module.Class.method, e.g. test_publish.PublishTest.test_tree_...); exit
code 0 when they pass, 1 when one fails, 77 when all were skipped (CTest's SKIP_RETURN_CODE)."""

import os
import sys
import unittest

SKIPPED = 77


def main():
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    suite = unittest.defaultTestLoader.loadTestsFromNames(sys.argv[1:])
    result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
    if not result.wasSuccessful():
        return 1
    if result.testsRun and len(result.skipped) == result.testsRun:
        return SKIPPED
    return 0


if __name__ == "__main__":
    sys.exit(main())
